// Xml::XmlAttribute: the abstract attribute the engine handles without knowing its type.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// An attribute value of any type. The engine calls these three operations through
/// the virtual table, whose slots and their order are part of the interface.
class XMLATTR_EXPORT XmlAttribute {
public:
    /// Reads `text` into the held value; false when the text is rejected (what the
    /// value holds then is the value type's rule). Never throws for bad text.
    [[nodiscard]] virtual bool parseValue(Core::String const& text) = 0;
    /// Assigns the held value of `other`, which must be an attribute of the same
    /// instantiation: the type is not checked.
    virtual void copyFrom(XmlAttribute const& other) = 0;
    /// The held value as attribute text; the empty text for types without a text form.
    virtual Core::String getValueAsString() = 0;

protected:
    XmlAttribute() = default;
    /// For the derived attributes only: copying through the base would slice the value off.
    ///@{
    XmlAttribute(XmlAttribute const&) = default;
    XmlAttribute& operator=(XmlAttribute const&) = default;
    ///@}
    // Attributes are never destroyed through this base, and the virtual table holds
    // exactly the three slots above: so no virtual destructor.
    ~XmlAttribute() = default;
};

} // namespace Xml
