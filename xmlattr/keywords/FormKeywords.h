// Keywords of interactive form fields.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"

namespace Xml {

/// The kind of a form control; 4 is no control type.
enum FormControlType : int {
    FormControlTypeCheckBox = 0,
    FormControlTypeText = 1,
    FormControlTypeButton = 2,
    FormControlTypeRadiobutton = 3,
    FormControlTypeNone = 4
};

inline constexpr KeywordEntry<FormControlType> kFormControlTypeKeywords[] = {
    {u"check-box", FormControlTypeCheckBox},
    {u"text", FormControlTypeText},
    {u"button", FormControlTypeButton},
    {u"radiobutton", FormControlTypeRadiobutton}};
template <>
inline constexpr KeywordTable<FormControlType> kKeywordTable<FormControlType>{
    .reads = kFormControlTypeKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<FormControlType>{.name = "FormControlType",
                                                                   .summary =
                                                                       "the kind of a form control",
                                                                   .family = TypeFamily::Keyword,
                                                                   .exported = false};

/// What a form action does; 0 is no action.
enum FormActionType : int {
    FormActionTypeNone = 0,
    FormActionTypeUrl = 1,
    FormActionTypeJavascript = 2,
    FormActionTypeSubmit = 3
};

inline constexpr KeywordEntry<FormActionType> kFormActionTypeKeywords[] = {
    {u"url", FormActionTypeUrl},
    {u"javascript", FormActionTypeJavascript},
    {u"submit", FormActionTypeSubmit}};
template <>
inline constexpr KeywordTable<FormActionType> kKeywordTable<FormActionType>{
    .reads = kFormActionTypeKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<FormActionType>{.name = "FormActionType",
                                                                  .summary =
                                                                      "what a form action does",
                                                                  .family = TypeFamily::Keyword,
                                                                  .exported = false};

/// The event that triggers a form action; 0 is no trigger.
enum FormTriggerAction : int {
    FormTriggerActionNone = 0,
    FormTriggerActionOnMouseUp = 1,
    FormTriggerActionOnMouseDown = 2,
    FormTriggerActionOnMouseEnter = 3,
    FormTriggerActionOnMouseExit = 4,
    FormTriggerActionOnFocus = 5,
    FormTriggerActionOnBlur = 6
};

inline constexpr KeywordEntry<FormTriggerAction> kFormTriggerActionKeywords[] = {
    {u"OnMouseUp", FormTriggerActionOnMouseUp},
    {u"OnMouseDown", FormTriggerActionOnMouseDown},
    {u"OnMouseEnter", FormTriggerActionOnMouseEnter},
    {u"OnMouseExit", FormTriggerActionOnMouseExit},
    {u"OnFocus", FormTriggerActionOnFocus},
    {u"OnBlur", FormTriggerActionOnBlur}};
template <>
inline constexpr KeywordTable<FormTriggerAction> kKeywordTable<FormTriggerAction>{
    .reads = kFormTriggerActionKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<FormTriggerAction>{
    .name = "FormTriggerAction",
    .summary = "the event that triggers a form action",
    .family = TypeFamily::Keyword,
    .exported = false};

} // namespace Xml
