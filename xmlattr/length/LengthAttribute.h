// Xml::Length and Xml::SLength, the lengths every measure is built on; in Lengths.cpp.
#pragma once

#include "xmlattr/length/Length.h"
#include "xmlattr/length/SLength.h"
