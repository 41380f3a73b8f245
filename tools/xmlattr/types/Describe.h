// How each value type's fields are shown, through its public accessors and members only.
#pragma once

#include "Fields.h"

#include <xmlattr/xmlattr.h>

namespace Tool {

void describe(Fields& out, Xml::Length const& value);
void describe(Fields& out, Xml::SLength const& value);
void describe(Fields& out, Xml::LengthOrPercent const& value);
void describe(Fields& out, Xml::SLengthOrPercent const& value);
void describe(Fields& out, Xml::Margin const& value);
void describe(Fields& out, Xml::LengthOrPercentAuto const& value);
void describe(Fields& out, Xml::TableWidth const& value);
void describe(Fields& out, Xml::ColumnWidth const& value);
void describe(Fields& out, Xml::LeaderPatternWidth const& value);
void describe(Fields& out, Xml::ContentLength const& value);
void describe(Fields& out, Xml::DLength const& value);
void describe(Fields& out, Xml::FloatOrPercent const& value);
void describe(Fields& out, Xml::SNullableLength const& value);
void describe(Fields& out, Core::Vector<Xml::SLength> const& value);
void describe(Fields& out, Xml::FontSize const& value);
void describe(Fields& out, Xml::Indent const& value);
void describe(Fields& out, Xml::LetterSpacing const& value);
void describe(Fields& out, Xml::SSpacing const& value);
void describe(Fields& out, Xml::AlignmentAdjust const& value);
void describe(Fields& out, Xml::BaselineShift const& value);
void describe(Fields& out, Xml::SBaselineShift const& value);
void describe(Fields& out, Xml::STextDecoration const& value);
void describe(Fields& out, Xml::BackgroundSize const& value);
void describe(Fields& out, Xml::PageDimension const& value);
void describe(Fields& out, Xml::InitialPageNumber const& value);
void describe(Fields& out, Xml::InitialSheetNumber const& value);

/// A colour by its drawing class and components; the empty colour is "none".
void describeColor(Fields& out, SmartPtr<Drawing::Color> const& color);
void describe(Fields& out, SmartPtr<Drawing::Color> const& value);
void describe(Fields& out, Xml::SColor const& value);
void describe(Fields& out, Xml::SNullableColor const& value);
void describe(Fields& out, Xml::BoxShadow const& value);

void describe(Fields& out, Xml::Language const& value);

void describe(Fields& out, Core::Vector<Xml::Transform> const& value);
void describe(Fields& out, Core::Vector<Xml::PathDataCommand> const& value);
void describe(Fields& out, Core::Vector<Xml::Point> const& value);
void describe(Fields& out, Xml::ViewBox const& value);
void describe(Fields& out, Xml::SPreserveAspectRatio const& value);

void describe(Fields& out, Xml::Value const& value);
void describe(Fields& out, Xml::AxisUnits const& value);
void describe(Fields& out, float value);

void describe(Fields& out, Xml::Url const& value);
void describe(Fields& out, Core::String const& value);
void describe(Fields& out, int value);

} // namespace Tool
