// Xml::TabStop: a tab stop's position and alignment.
// Implemented in IndentAttribute.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/Length.h"
#include "xmlattr/keywords/TabStopKeywords.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A tab stop: its position, then its alignment.
class XMLATTR_EXPORT TabStop {
public:
    /// The position and type as given.
    constexpr TabStop(Length position, TabStopType type) noexcept
        : m_position(position), m_type(type) {}

    /// The position and the type, as read.
    ///@{
    constexpr Length const& getPosition() const noexcept { return m_position; }
    constexpr TabStopType getType() const noexcept { return m_type; }
    ///@}

private:
    Length m_position;
    TabStopType m_type;
};

} // namespace Xml
