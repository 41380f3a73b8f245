// Positions along a line: Xml::Indent, Xml::TabStop and Xml::TabStopType.
#pragma once

#include "xmlattr/length/Indent.h"
#include "xmlattr/length/TabStop.h"
#include "xmlattr/keywords/TabStopKeywords.h"
