// What the library holds for a value, in the terms the standard's reading uses, so that the
// checker can compare the two. Geometry is taken from the held value itself; everything else
// from the value's description field by field.
#pragma once

#include "Fields.h"
#include "standard/Reading.h"

#include <xmlattr/length/SLength.h>
#include <xmlattr/platform/Vector.h>
#include <xmlattr/svg/PathDataCommand.h>
#include <xmlattr/svg/Point.h>
#include <xmlattr/svg/TransformListAttribute.h>

#include <concepts>

namespace Tool {

void heldReading(Standard::Reading& out, Core::Vector<Xml::PathDataCommand> const& commands);
void heldReading(Standard::Reading& out, Core::Vector<Xml::Transform> const& transforms);
void heldReading(Standard::Reading& out, Core::Vector<Xml::Point> const& points);
/// A length as its description reads (`describedReading`), without describing it.
void lengthReading(Standard::Reading& out, Xml::SLength const& length);
/// The same for a length itself only: a float and a nullable length convert to one, and read
/// otherwise.
template <std::same_as<Xml::SLength> Length>
void heldReading(Standard::Reading& out, Length const& length) {
    lengthReading(out, length);
}

/// The measures, numbers, colours and references a description holds, in field order;
/// keywords and kinds as keyword parts, which the comparison passes over.
void describedReading(Standard::Reading& out, Fields const& fields);

} // namespace Tool
