// Path data: the command table, the argument reader with its stop rules, and the reader.
#include "xmlattr/svg/PathDataCommand.h"

#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/NumberScan.h"
#include "xmlattr/svg/detail/ListBuilder.h"
#include "xmlattr/svg/detail/ListText.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Core::Vector<PathDataCommand>>;

namespace {

using Core::detail::Cursor;

static_assert(sizeof(PathCommandType) == 4);
static_assert(offsetof(PathDataCommand, type) == 0 && offsetof(PathDataCommand, relative) == 4 &&
              offsetof(PathDataCommand, x1) == 8 && offsetof(PathDataCommand, y1) == 16 &&
              offsetof(PathDataCommand, x2) == 24 && offsetof(PathDataCommand, y2) == 32 &&
              offsetof(PathDataCommand, x) == 40 && offsetof(PathDataCommand, y) == 48 &&
              offsetof(PathDataCommand, rx) == 56 && offsetof(PathDataCommand, ry) == 64 &&
              offsetof(PathDataCommand, rotation) == 72 &&
              offsetof(PathDataCommand, largeArc) == 76 && offsetof(PathDataCommand, sweep) == 77);

// Where an argument goes.
enum class Slot : unsigned char { X1, Y1, X2, Y2, X, Y, Rx, Ry, Rotation, LargeArc, Sweep };

constexpr SLength PathDataCommand::*kLengthFields[] = {
    &PathDataCommand::x1, &PathDataCommand::y1, &PathDataCommand::x2, &PathDataCommand::y2,
    &PathDataCommand::x,  &PathDataCommand::y,  &PathDataCommand::rx, &PathDataCommand::ry};
static_assert(std::size(kLengthFields) == static_cast<std::size_t>(Slot::Ry) + 1);

struct CommandRule {
    int type;
    char16_t letter; // upper case; 0 where no letter reads the type
    int count;
    std::array<Slot, 7> slots; // the arguments in text order
};

// clang-format off
// Indexed by PathCommandType. The slots are also what equality compares.
constexpr CommandRule kCommands[] = {
    {0,                      0,    0, {}},
    {1,                      0,    0, {}},
    {MoveTo,                 u'M', 2, {Slot::X, Slot::Y}},
    {ClosePath,              u'Z', 0, {}},
    {LineTo,                 u'L', 2, {Slot::X, Slot::Y}},
    {HorizontalLineTo,       u'H', 1, {Slot::X}},
    {VerticalLineTo,         u'V', 1, {Slot::Y}},
    {CurveTo,                u'C', 6, {Slot::X1, Slot::Y1, Slot::X2, Slot::Y2, Slot::X, Slot::Y}},
    {SmoothCurveTo,          u'S', 4, {Slot::X2, Slot::Y2, Slot::X, Slot::Y}},
    {QuadraticCurveTo,       u'Q', 4, {Slot::X1, Slot::Y1, Slot::X, Slot::Y}},
    {SmoothQuadraticCurveTo, u'T', 2, {Slot::X, Slot::Y}},
    {Arc,                    u'A', 7, {Slot::Rx, Slot::Ry, Slot::Rotation, Slot::LargeArc,
                                       Slot::Sweep, Slot::X, Slot::Y}},
};
// clang-format on
static_assert(std::size(kCommands) == Arc + 1 &&
              detail::indexedInOrder(kCommands, &CommandRule::type));

constexpr CommandRule const* ruleOf(int type) noexcept {
    return type >= 1 && type <= Arc ? &kCommands[type] : nullptr;
}

// The command type of each ASCII code unit, 0 for those that name none.
constexpr std::array<unsigned char, 128> kCommandOfLetter = [] {
    std::array<unsigned char, 128> table{};
    for (CommandRule const& rule : kCommands) {
        if (rule.letter != 0) {
            auto const upper = static_cast<std::size_t>(rule.letter);
            table[upper] = static_cast<unsigned char>(rule.type);
            table[upper - 'A' + 'a'] = static_cast<unsigned char>(rule.type);
        }
    }
    return table;
}();

constexpr int commandOf(char16_t unit) noexcept {
    auto const index = static_cast<std::size_t>(unit);
    return index < kCommandOfLetter.size() ? kCommandOfLetter[index] : 0;
}
static_assert(commandOf(u'M') == MoveTo && commandOf(u'z') == ClosePath && commandOf(u'a') == Arc &&
              commandOf(u'e') == 0 && commandOf(u'B') == 0);

constexpr bool isLower(char16_t unit) noexcept { return unit >= u'a' && unit <= u'z'; }

// What follows a path number as its unit: everything up to white space, a comma, a sign, a
// point, a digit or a command letter. A command letter still belongs to the units "cm",
// "mm" and "pt", which it ends or begins.
constexpr std::size_t pathUnit(std::u16string_view rest, char16_t previous) noexcept {
    char16_t const unit = rest[0];
    if (detail::endsBareNumber(unit)) {
        return 0;
    }
    if (commandOf(unit) == 0) {
        return 1;
    }
    bool const beforeM = rest.size() > 1 && rest[1] == u'm';
    if ((unit == u'C' || unit == u'M' || unit == u'c' || unit == u'm') && beforeM) {
        return 2;
    }
    return (unit == u'T' || unit == u't') && previous == u'p' ? 1 : 0;
}
static_assert(pathUnit(u"cm", 0) == 2 && pathUnit(u"mm", 0) == 2 && pathUnit(u"m10", 0) == 0 &&
              pathUnit(u"t", u'p') == 1 && pathUnit(u"t", u'0') == 0 && pathUnit(u"e", 0) == 1 &&
              pathUnit(u"-", 0) == 0);

constexpr auto kPathUnit = [](std::u16string_view rest, char16_t previous) {
    return pathUnit(rest, previous);
};

// One argument: separators, then a number and its unit. Where no number stands, the text up
// to the next separator, number or command letter reads as 0 px (a lone sign or point is
// stepped over); at a command letter or the end nothing is taken.
SLength readArgument(Cursor& cursor) noexcept {
    cursor.skipSpaceAndComma();
    float number = 0.0f;
    if (detail::readNumber(cursor, number)) {
        // Nearly every number ends at a separator, the next number or the end.
        if (cursor.atEnd() || detail::endsBareNumber(cursor.peek())) {
            return SLength(number);
        }
        return detail::sLengthWithSuffix(number, detail::takeRun(cursor, kPathUnit));
    }
    if (detail::takeRun(cursor, kPathUnit).empty() && Core::detail::beginsNumber(cursor.peek())) {
        cursor.advance();
    }
    return SLength();
}

// An arc flag is one "0" or "1", which needs no separator after it ("a1 1 0 00 1 1"); any
// other argument there counts as set when its size is not 0.
bool readFlag(Cursor& cursor) noexcept {
    cursor.skipSpaceAndComma();
    char16_t const unit = cursor.peek();
    if (unit == u'0' || unit == u'1') {
        cursor.advance();
        return unit == u'1';
    }
    return readArgument(cursor).getSize() != 0.0f;
}

void readArguments(Cursor& cursor, CommandRule const& rule, PathDataCommand& record) noexcept {
    for (int i = 0; i < rule.count; ++i) {
        Slot const slot = rule.slots[static_cast<std::size_t>(i)];
        // Lengths first, by a test rather than a jump: they are all but an arc's three.
        if (slot <= Slot::Ry) {
            record.*kLengthFields[static_cast<std::size_t>(slot)] = readArgument(cursor);
        } else if (slot == Slot::Rotation) {
            record.rotation = readArgument(cursor).getSize();
        } else {
            bool const set = readFlag(cursor);
            (slot == Slot::LargeArc ? record.largeArc : record.sweep) = set;
        }
    }
}

// A command repeats while a number follows its arguments, after white space and at most one
// comma. Those are stepped over either way: the next argument, or the search for the next
// command letter, would step over them too.
bool repeats(Cursor& cursor) noexcept {
    cursor.skipSeparator();
    return Core::detail::beginsNumber(cursor.peek());
}

bool sameSlot(PathDataCommand const& a, PathDataCommand const& b, Slot slot) noexcept {
    switch (slot) {
    case Slot::Rotation:
        return a.rotation == b.rotation;
    case Slot::LargeArc:
        return a.largeArc == b.largeArc;
    case Slot::Sweep:
        return a.sweep == b.sweep;
    default: {
        SLength PathDataCommand::*const field = kLengthFields[static_cast<std::size_t>(slot)];
        return a.*field == b.*field;
    }
    }
}

} // namespace

bool PathDataCommand::operator==(PathDataCommand const& other) const noexcept {
    CommandRule const* const rule = ruleOf(type);
    if (rule == nullptr || type != other.type) {
        return false;
    }
    if (rule->count == 0) {
        return true;
    }
    if (relative != other.relative) {
        return false;
    }
    for (int i = 0; i < rule->count; ++i) {
        if (!sameSlot(*this, other, rule->slots[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    return true;
}

// Every step inlined into the loop, which then keeps the cursor in registers: the steps are
// each too large for the compiler to inline by itself, and a call per argument costs more
// than reading it.
[[gnu::flatten]] bool
ValueTraits<Core::Vector<PathDataCommand>>::parse(Core::Vector<PathDataCommand>& value,
                                                  Core::String const& text) {
    // Most real paths have fewer commands than this; longer ones move to the heap in blocks.
    constexpr int kBlock = 64;
    detail::ListBuilder<PathDataCommand, kBlock> list;
    Cursor cursor(text);
    while (cursor.skipSpace(), !cursor.atEnd()) {
        char16_t const letter = cursor.peek();
        cursor.advance();
        int type = commandOf(letter);
        if (type == 0) {
            continue;
        }
        if (type == ClosePath) {
            list.add().type = ClosePath;
            continue;
        }
        bool const relative = isLower(letter);
        do {
            PathDataCommand& record = list.add();
            record.type = PathCommandType(type);
            record.relative = relative;
            readArguments(cursor, kCommands[type], record);
            // The pairs after a move are lines.
            if (type == MoveTo) {
                type = LineTo;
            }
        } while (repeats(cursor));
    }
    value = list.take();
    return true;
}

} // namespace Xml
