# Checks the names that the shared library exports against its interface: every default
# attribute by name, every member of each exported attribute instantiation, the destructor only
# where the held value owns something, nothing of the instantiations that callers compile
# themselves, and nothing but the library's own namespaces (no internal helper, test or tool).
# The attribute types and how each is built come from TYPES, a program that prints them from
# the library's list and descriptions.
#   cmake -DLIBRARY=libxmlattr.so -DTYPES=exported_types -P CheckExports.cmake
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/ScriptSupport.cmake")

dynamic_symbols(mangled "${LIBRARY}")
list(FILTER mangled INCLUDE REGEX "^_Z")

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

# The library's own names: its three namespaces and the smart pointer, with their virtual
# tables, type information and thunks. Also allowed: what the standard library and the compiler
# runtime put in every library that instantiates their inline code (as CompareExports.cmake).
set(own "^_Z(T[VITS]|GV|Th?n?[0-9]*_|Tv[n0-9_]+)?Z?N?[rVKRO]*(3Xml|4Core|7Drawing|8SmartPtr)")
set(runtime "^_Z(T[VTIS]|GV)?Z?N?[rVKRO]*(S[tabsiod]|[0-9]+__|nw|na|dl|da)")
# The type information of function types, which clang's undefined-behaviour sanitizer emits to
# check indirect calls.
set(function_types "^_ZT[IS]F")
foreach(name IN LISTS mangled)
  if(NOT name MATCHES "${own}" AND NOT name MATCHES "${runtime}" AND
     NOT name MATCHES "${function_types}")
    list(APPEND foreign "${name}")
  endif()
endforeach()

# c++filt reads the names from a file beside the library.
get_filename_component(library_dir "${LIBRARY}" DIRECTORY)
demangle(exported "${library_dir}/exported-names.txt" ${mangled})
list(REMOVE_DUPLICATES exported)

foreach(name IN LISTS foreign)
  fail("outside the library's namespaces: ${name}")
endforeach()
foreach(name IN LISTS exported)
  # The standard library's own "__detail" is not one of ours.
  if(name MATCHES "(^|[^_])detail::")
    fail("internal helper: ${name}")
  endif()
endforeach()

# The defaults, named as the engine knows them.
set(defaults
  # Formatting-object keywords.
  SpanAttribute LineStackingStrategy LineHeightShiftAdjustment TextAlign DisplayAlign
  TextDirection LinefeedTreatmentAttribute WhiteSpaceTreatmentAttribute WrapOptionAttribute
  FOVisibilityAttribute LeaderPattern LeaderAlignment RetrievePosition RetrieveBoundary
  RetrievePositionWithinTable RetrieveBoundaryWithinTable Parity PagePosition BlankOrNotBlank
  Break ForcePageCount Keep FootnoteRestartRule ReferenceOrientation AbsolutePosition
  RelativePosition Overflow FloatPositionAttribute AnchorXAttribute AnchorYAttribute
  PositionXAttribute PositionYAttribute BackgroundRepeat Scaling TableLayout AFPEncoding
  FOLightingSchemeAttribute
  # Graphics, font, border, barcode, form, chart and output keywords.
  BarcodeType DMEncoding DMFormat Code128CodeSet BorderStyle LeaderRuleStyle BorderCollapse
  FontWeight FontStyle FontVariant TextLineStyle FormControlTypeAttribute
  FormActionTypeAttribute FormTriggerActionAttribute STextAnchor SLineCap SLineJoin SVisibility
  SDisplay SGradientUnits SGradientSpreadMethod PDFConformance ChartType LabelType
  SliceOrientation AxisPosition AxisOrientation AxisIntersection TickStyle SerieGrouping
  DisplayValPlacement
  # Numbers.
  DotSize BarColumnCount BarRowCount ColumnCount HyphenationCharCount WidowsAndOrphans MinFloat
  MaxFloat
  # Formatting-object lengths and measures.
  Length BorderLength RuleThickness TabStopLength BarUnit DLength LengthOrPercent
  FloatLengthOrPercent OneHundredPercent ProvisionalLabelSeparation
  ProvisionalDistanceBetweenStarts LeaderLength LineHeight ContentLength ColumnWidth TableWidth
  Margin LengthOrPercentAuto LeaderPatternWidth FloatOrPercent BorderWidth FontSize Indent
  LetterSpacing AlignmentBaseline AlignmentAdjust BaselineShift TabStopType PageDimension
  BackgroundPosition BackgroundSize InitialPageNumber InitialSheetNumber
  # SVG lengths, spacing and decoration.
  SLength Miterlimit StrokeWidth SNullableLength SLengthOrPercent SOneHundredPercent SFontSize
  SDashPattern SBaselineShift SSpacing STextDecoration
  # Colours and paint.
  BackgroundColor StrokeColor GradientStopColor BorderColor FillColor SColor SStrokeColor
  SFillColor SNullableStrokeColor SNullableFillColor BoxShadow
  # Text, reference and language.
  FontFamily HyphenationCharacter NumberFormat Url Language
  # SVG geometry.
  PathData PointList TransformList ViewBox SPreserveAspectRatio
  # Chart lengths and values.
  Aspect3DDepth Aspect3DShading CaptionOffset TickLength Aspect3DChartDepth Aspect3DSceneDepth
  WidthLength AxisUnits MinValue MaxValue Value)
list(LENGTH defaults count)
if(NOT count EQUAL 152)
  message(FATAL_ERROR "the list of defaults holds ${count} names")
endif()
set(found ${exported})
list(FILTER found INCLUDE REGEX "^Xml::Default[A-Za-z0-9]*$")
foreach(name IN LISTS defaults)
  if(NOT "Xml::Default${name}" IN_LIST found)
    fail("missing default: Xml::Default${name}")
  endif()
  list(REMOVE_ITEM found "Xml::Default${name}")
endforeach()
foreach(name IN LISTS found)
  fail("unexpected default: ${name}")
endforeach()

# The attribute instantiations by held type as c++filt writes it: "owning" and "plain" export
# their members, an owning one its destructor too; "compiled_by_callers" export none.
execute_process(COMMAND "${TYPES}" OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" listed "${listed}")
string(REPLACE "\n" ";" listed "${listed}")
set(groups "")
set(mangled_types "")
foreach(line IN LISTS listed)
  string(REPLACE " " ";" parts "${line}")
  list(GET parts 0 group)
  list(GET parts 1 type)
  list(APPEND groups "${group}")
  list(APPEND mangled_types "${type}")
endforeach()
find_program(CXXFILT c++filt REQUIRED)
string(JOIN "\n" text ${mangled_types})
file(WRITE "${library_dir}/attribute-types.txt" "${text}\n")
execute_process(COMMAND ${CXXFILT} -t INPUT_FILE "${library_dir}/attribute-types.txt"
  OUTPUT_VARIABLE spelled COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" spelled "${spelled}")
string(REPLACE "\n" ";" spelled "${spelled}")
set(owning "")
set(plain "")
set(compiled_by_callers "")
foreach(group type IN ZIP_LISTS groups spelled)
  if(NOT group MATCHES "^(owning|plain|compiled_by_callers)$" OR type STREQUAL "")
    message(FATAL_ERROR "${TYPES} printed a line this check does not read: ${group} ${type}")
  endif()
  list(APPEND ${group} "${type}")
endforeach()
# An empty group would make its checks pass unseen.
foreach(group IN ITEMS owning plain compiled_by_callers)
  if(NOT ${group})
    message(FATAL_ERROR "${TYPES} lists no ${group} type")
  endif()
endforeach()

set(members
  "@A@::TXmlAttribute()" "@A@::TXmlAttribute(@T@ const&)" "@A@::TXmlAttribute(@A@ const&)"
  "@A@::operator=(@T@ const&)" "@A@::operator=(@A@ const&)" "@A@::operator==(@T@ const&) const"
  "@A@::operator!=(@T@ const&) const" "@A@::getValue() const" "@A@::operator*() const"
  "@A@::operator @T@ const&() const" "@A@::operator->()" "@A@::operator->() const"
  "@A@::setValue(@T@ const&)" "@A@::parseValue(Core::String const&)"
  "@A@::copyFrom(Xml::XmlAttribute const&)" "@A@::getValueAsString()" "vtable for @A@")

function(attribute_of out type)
  # c++filt closes a template argument list that ends in one with "> >".
  if(type MATCHES ">$")
    string(APPEND type " ")
  endif()
  set(${out} "Xml::TXmlAttribute<${type}>" PARENT_SCOPE)
endfunction()

set(destructors ${exported})
list(FILTER destructors INCLUDE REGEX "^Xml::TXmlAttribute<.*>::~TXmlAttribute\\(\\)$")
foreach(type IN LISTS owning plain)
  attribute_of(A "${type}")
  foreach(member IN LISTS members)
    string(REPLACE "@A@" "${A}" member "${member}")
    string(REPLACE "@T@" "${type}" member "${member}")
    if(NOT member IN_LIST exported)
      fail("missing member: ${member}")
    endif()
  endforeach()
  if(type IN_LIST owning)
    if(NOT "${A}::~TXmlAttribute()" IN_LIST destructors)
      fail("missing destructor: ${A}::~TXmlAttribute()")
    endif()
    list(REMOVE_ITEM destructors "${A}::~TXmlAttribute()")
  endif()
endforeach()
foreach(name IN LISTS destructors)
  fail("destructor of a value that owns nothing: ${name}")
endforeach()
foreach(type IN LISTS compiled_by_callers)
  attribute_of(A "${type}")
  foreach(name IN LISTS exported)
    string(FIND "${name}" "${A}" at)
    if(NOT at EQUAL -1)
      fail("member of an attribute compiled by callers: ${name}")
    endif()
  endforeach()
endforeach()

if(failures)
  string(REPLACE "<lsb>" "[" failures "${failures}")
  string(REPLACE "<rsb>" "]" failures "${failures}")
  message(FATAL_ERROR "The library's exported names do not match its interface:\n${failures}")
endif()
list(LENGTH exported count)
message(STATUS "${count} exported names match the interface.")
