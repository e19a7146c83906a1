#include "overview_decoding.h"

#include <cmath>
#include <functional>
#include <initializer_list>

#include "control_names.h"
#include "entry_text.h"

namespace vt {

namespace {

ReadoutLook Unchanged() { return ReadoutLook{true, {}, std::nullopt, true}; }

ReadoutLook Look(const QString& text, std::optional<QColor> background = std::nullopt) {
    return ReadoutLook{false, text, background, true};
}

// A code held in a float table: only a whole number can match a table entry.
std::optional<int> WholeCode(double code) {
    if (!std::isfinite(code) || code != std::floor(code) || std::fabs(code) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(code);
}

// A two-state readout: the first text on the active colour when set (any nonzero value), the
// second on the inactive colour when clear; `coloured` false keeps the readout's colour.
ReadoutLook FlagLook(std::int32_t value, const QString& set, const QString& clear,
                     bool coloured = true) {
    const bool on = value != 0;
    std::optional<QColor> background;
    if (coloured) background = on ? kActiveColour : kInactiveColour;
    return Look(on ? set : clear, background);
}

// A fault input, shown on the active colour only while its value is exactly 1.
ReadoutLook FaultLook(std::int32_t value, const QString& text) {
    ReadoutLook look = Look(text, kActiveColour);
    look.visible = value == 1;
    return look;
}

// Text of a code from a list of (code, text) pairs, keeping the readout's colour.
ReadoutLook CodeLook(std::optional<int> code,
                     std::initializer_list<std::pair<int, const char16_t*>> table) {
    if (!code) return Unchanged();
    for (const auto& [entry, text] : table) {
        if (entry == *code) return Look(QString::fromUtf16(text));
    }
    return Unchanged();
}

using Decoder = std::function<ReadoutLook(const ControllerState&)>;

struct ReadoutRule {
    QString name;
    Decoder decode;
};

// Adds one readout per index, each decoded by `decode(state, index)`.
template <typename Fn>
void AddIndexed(std::vector<ReadoutRule>& rules, const char* control,
                std::initializer_list<int> indices, Fn decode) {
    for (int i : indices) {
        rules.push_back({ArrayControlName(control, i),
                         [decode, i](const ControllerState& s) { return decode(s, i); }});
    }
}

struct Flag {
    int index;
    const char16_t* set;
    const char16_t* clear;
};

constexpr Flag kCoils[] = {{0, u"手动", u"自动"},
                           {1, u"程序运行", u"单点SV"},
                           {2, u"SV2", u"SV1"},
                           {3, u"STBY", u"Disable"},
                           {6, u"主自整定开", u"主整定关"}};

void AddStatusFlags(std::vector<ReadoutRule>& rules) {
    for (const Flag& f : kCoils) {
        rules.push_back({ArrayControlName("D_1RW", f.index), [f](const ControllerState& s) {
                             // The auto/manual readout keeps its colour.
                             return FlagLook(s.CoilBits[f.index], QString::fromUtf16(f.set),
                                             QString::fromUtf16(f.clear), f.index != 0);
                         }});
    }
    static constexpr Flag kInputs[] = {{0, u"报警一ON", u"报警一OFF"},
                                       {1, u"报警二ON", u"报警二OFF"},
                                       {2, u"DI1 ON", u"DI1 OFF"},
                                       {3, u"DI2 ON", u"DI2 OFF"}};
    for (const Flag& f : kInputs) {
        rules.push_back({ArrayControlName("D_2R", f.index), [f](const ControllerState& s) {
                             return FlagLook(s.InputBits[f.index], QString::fromUtf16(f.set),
                                             QString::fromUtf16(f.clear));
                         }});
    }
    static constexpr const char16_t* kFaults[] = {u"PV1开路", u"PV1短路", u"PV2开路", u"PV2短路"};
    for (int k = 0; k < 4; ++k) {
        rules.push_back({ArrayControlName("D_2R", 4 + k), [k](const ControllerState& s) {
                             return FaultLook(s.InputBits[4 + k], QString::fromUtf16(kFaults[k]));
                         }});
    }
}

std::vector<ReadoutRule> BuildRules() {
    std::vector<ReadoutRule> rules;
    const auto live = [](const ControllerState& s, int i) { return NumberLook(s.LiveValue[i]); };
    AddIndexed(rules, "D_3W", {0, 1, 2, 3, 4, 5, 6}, live);
    AddIndexed(rules, "D_3W", {7, 8}, [](const ControllerState& s, int i) {
        return AlarmTypeLook(s.LiveValue[i], i - 6);
    });
    AddIndexed(rules, "D_3W", {11, 12, 13}, live);
    AddIndexed(rules, "D3WW", {0, 1, 2, 3, 4, 5, 6, 8, 9, 10},
               [](const ControllerState& s, int i) { return IntegerLook(s.ActivePid[i]); });
    AddIndexed(rules, "D3XX", {0}, [](const ControllerState& s, int i) {
        return ProgramStateLook(s.ProgramStatus[i]);
    });
    AddIndexed(rules, "D3XX", {1, 2, 3, 4, 5, 6, 8},
               [](const ControllerState& s, int i) { return IntegerLook(s.ProgramStatus[i]); });
    AddIndexed(rules, "D3XX", {7},
               [](const ControllerState& s, int i) { return WaitStateLook(s.ProgramStatus[i]); });
    AddIndexed(rules, "D_4W", {1, 2, 3, 5, 6},
               [](const ControllerState& s, int i) { return NumberLook(s.RunValue[i]); });
    AddIndexed(rules, "D_4W", {7},
               [](const ControllerState& s, int i) { return RunModeLook(s.RunValue[i]); });
    AddIndexed(rules, "D3WWP", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
               [](const ControllerState& s, int i) { return NumberLook(s.PidParam[i]); });
    AddStatusFlags(rules);
    return rules;
}

const std::vector<ReadoutRule>& Rules() {
    static const std::vector<ReadoutRule> rules = BuildRules();
    return rules;
}

}  // namespace

ReadoutLook AlarmTypeLook(double code, int alarm) {
    static constexpr const char16_t* kAlarm1[] = {u"1无报警",     u"上限报警1",   u"下限报警1",
                                                  u"上偏差报警1", u"下偏差报警1", u"偏差带报警1",
                                                  u"断线报警1"};
    static constexpr const char16_t* kAlarm2[] = {u"2无报警",     u"上限报警2",   u"下限报警2",
                                                  u"上偏差报警2", u"下偏差报警2", u"偏差带报警2",
                                                  u"断线报警2"};
    static constexpr const char16_t* kShared[] = {u"传感器故障", u"程序段指示", u"PV1-PV2",
                                                  u"PV2-PV1", u"ABS(PV1-PV2)"};
    const std::optional<int> c = WholeCode(code);
    if (!c || *c < 0 || *c > 11) return Unchanged();
    const char16_t* text = *c <= 6 ? (alarm == 1 ? kAlarm1 : kAlarm2)[*c] : kShared[*c - 7];
    return Look(QString::fromUtf16(text), *c == 0 ? kInactiveColour : kActiveColour);
}

ReadoutLook ProgramStateLook(std::int32_t code) {
    return CodeLook(code, {{0, u"停止"}, {1, u"运行"}, {2, u"暂停"}, {4, u"结束"}});
}

ReadoutLook WaitStateLook(std::int32_t code) {
    return CodeLook(code, {{0, u"无等待"}, {1, u"偏差等待"}});
}

ReadoutLook RunModeLook(double code) {
    return CodeLook(
        WholeCode(code),
        {{0, u"停止"}, {1, u"运行"}, {2, u"暂停"}, {4, u"结束"}, {8, u"复位"}, {16, u"休眠"}});
}

ReadoutLook NumberLook(double value) { return Look(NumberText(value)); }

ReadoutLook IntegerLook(std::int32_t value) { return Look(QString::number(value)); }

QString CoilStateText(int index, bool set) {
    for (const Flag& f : kCoils) {
        if (f.index == index) return QString::fromUtf16(set ? f.set : f.clear);
    }
    return {};
}

const std::vector<QString>& OverviewDecoding::Names() {
    static const std::vector<QString> names = [] {
        std::vector<QString> list;
        for (const ReadoutRule& rule : Rules()) list.push_back(rule.name);
        return list;
    }();
    return names;
}

std::vector<Readout> OverviewDecoding::Decode(const ControllerState& state) {
    std::vector<Readout> readouts;
    readouts.reserve(Rules().size());
    for (const ReadoutRule& rule : Rules()) readouts.push_back({rule.name, rule.decode(state)});
    return readouts;
}

}  // namespace vt
