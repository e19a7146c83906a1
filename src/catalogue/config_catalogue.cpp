#include "config_catalogue.h"

#include <algorithm>

#include "config_lists.h"
#include "controller_map.h"

namespace vt {

namespace {

using namespace config_lists;
using P = ConfigPlace;

constexpr ScalingRule kRaw = ScalingRule::Raw;
constexpr ScalingRule kTenths = ScalingRule::Tenths;
constexpr ScalingRule kTenthsPlain = ScalingRule::TenthsPlain;
constexpr ScalingRule kMain = ScalingRule::MainScale;
constexpr ScalingRule kAux = ScalingRule::AuxScale;
constexpr ScalingRule kSignal = ScalingRule::Signal;

constexpr ConfigEntry List(P place, std::int32_t reg, const char* caption, OptionList options,
                           const char* list, const char* hint = "") {
    return {place, ListParameter(reg, caption, options, hint), list};
}

constexpr ConfigEntry Number(P place, std::int32_t reg, const char* caption, ScalingRule rule,
                             const char* hint = "", const char* startText = "") {
    return {place, NumberParameter(reg, caption, rule, hint), nullptr, startText};
}

// Shown through the main input's scaling, but written as the number typed.
constexpr ConfigEntry ShownScaledEnteredRaw(P place, std::int32_t reg, const char* caption,
                                            const char* hint) {
    return {place, Parameter{reg, caption, kMain, kRaw, {}, hint}, nullptr};
}

constexpr const char* kDecimalsHint = "0-XXXXX, 1-XXXX.X, 2-XXX.XX, 3-XX.XXX, 4-X.XXXX";
constexpr const char* kInputFaultHint = "0-转输出预置值，1-保持开路输出";
constexpr const char* kSignalRangeHint = "0-4MA20,1-0MA10,2-0MA20(0V5,0V10)";
constexpr const char* kOutputKindHint = "0-线性电流，1-继电器，2-晶体管，3-可控硅";
constexpr const char* kOutputActionHint = "0-加热（反作用），1-制冷（正作用）";
constexpr const char* kPercentHint = "0.0% ~ 100.0%";
constexpr const char* kDiFunctionHint =
    "0-无，1-手动自动切换（闭合手动/断开自动），2-遥控设定（闭合遥控给定/断开本地给定），3-自整定，"
    "4-作为加键，5-作为减键，6-程序运行，7-程序暂停，8-程序停止，9-程序运行中跳到下一段，10-缓启动"
    "（闭合待机状态/断开缓启动），11-切换SV（闭合SV2/断开SV1），12-程序工艺曲线选择（点动加1）,13-"
    "待机（闭合待机）,14-面板按键锁定（闭合锁定）";

constexpr std::array kCatalogue = {
    List(P::Instrument, 4097, "按键锁定功能", kKeyLock, "Combo0",
         "0-禁止,1-允许，临时解锁密码：9947"),
    List(P::Instrument, 4098, "面板自动/手动使能", kPanelAutoManual, "Combo2",
         "0-自动，1-手动/自动，2-自动/手动/待机"),
    List(P::Instrument, 4099, "面板SV1/PRG使能", kPanelProgram, "Combo3",
         "0-FIX SV，1-PROG，2- SV1/PROG"),
    List(P::Instrument, 4100, "面板SV1/SV2使能", kPanelSetValue, "Combo4",
         "0-FIX SV1，1-FIX SV2, 2-SV1/SV2"),
    List(P::Instrument, 4101, "单点程序选择", kProgramMode, "Combo31",
         "0-无程序单点模式，1-程序段模式"),
    List(P::Instrument, 4102, "单位转换", kTempUnit, "Combo5", "0-摄氏度，1-华氏度，2-绝对温度"),
    Number(P::Instrument, 4103, "数字滤波时间", kTenths, "0.1-100.0 S"),
    List(P::Instrument, 4104, "控制方式", kControlMethod, "Combo6",
         "0-单输出，1-双输出， 2-无反馈阀门控制，3有反馈阀门控制，4-大小火控制(第二输出为继电器，"
         "输出值大于等于3.0%后保持导通状态)"),
    List(P::Instrument, 4105, "PIDC", kPidKind, "Combo7",
         "0-经典PID ,1-PV微分PID,2-无超调PID (适用于单点或者曲线不剧烈变化场合）"),
    ShownScaledEnteredRaw(P::Instrument, 4106, "设定值上限SVHI", "-10000~30000"),
    ShownScaledEnteredRaw(P::Instrument, 4107, "设定值下限SVLO", "-10000~30000"),

    List(P::MainInput, 4109, "输入类型设定", kInputType, "Combo1", "0-31种传感器输入类型"),
    Number(P::MainInput, 4110, "显示上限", kMain, "-10000~ 30000"),
    Number(P::MainInput, 4111, "显示下限", kMain, "-10000~ 30000"),
    List(P::MainInput, 4112, "小数点", kDecimalPoint, "Combo8", kDecimalsHint),
    List(P::MainInput, 4113, "输入异常处理处理", kMainInputFault, "Combo9", kInputFaultHint),
    Number(P::MainInput, 4114, "输入异常预置值", kTenths, "0.0% - 100.0%"),
    Number(P::MainInput, 4115, "修正偏移量", kMain, "-500 ~ 500 LSB"),
    List(P::MainInput, 4116, "冷端补偿类型", kColdJunction, "Combo10",
         "0-内部补偿，1-0摄氏度，2-45摄氏度，3-50摄氏度"),
    List(P::MainInput, 4117, "输入多点曲线修正", kMultiPointSwitch, "Combo17",
         "0-禁止， 1-允许主输入曲线修正"),

    List(
        P::AuxInput, 4119, "辅助通道功能", kAuxFunction, "Combo32",
        "0-禁止，1-加热断线报警，2-阀位反馈，3-远程SV设定，4-双输入高低温切换，5-双传感器冗余控制，"
        "6-PV1 2 偏差报警"),
    List(P::AuxInput, 4120, "输入类型设定", kInputType, "Combo11", "0-28种传感器输入类型"),
    Number(P::AuxInput, 4121, "显示上限", kAux, "-10000~ 30000"),
    Number(P::AuxInput, 4122, "显示下限", kAux, "-10000~ 30000"),
    List(P::AuxInput, 4123, "小数点", kDecimalPoint, "Combo12", kDecimalsHint),
    List(P::AuxInput, 4124, "输入异常处理", kAuxInputFault, "Combo13", kInputFaultHint),
    Number(P::AuxInput, 4125, "输入异常预置值", kTenths, "0.0% - 100.0%"),
    Number(P::AuxInput, 4126, "修正偏移量", kAux, "-500 ~ 500 LSB"),

    Number(P::SensorSwitch, 4129, "传感器上切换点", kMain, "-10000~ 30000"),
    Number(P::SensorSwitch, 4130, "传感器下切换点", kMain, "-10000~ 30000"),

    List(P::DigitalInputs, 4133, "开关量输入1功能选择", kDiFunction, "Combo14", kDiFunctionHint),
    List(P::DigitalInputs, 4134, "开关量输入2功能选择", kDiFunction, "Combo15"),
    List(P::DigitalInputs, 0, "开关量输入3功能选择", kDi3Function, "Combo16"),
    Number(P::DigitalInputs, 4135, "待机缓启动时间", kRaw,
           "15-曲线5倍速运行，16-曲线10倍速运行，17-曲线20倍速运行，18-曲线30倍速运行"),

    // Eight correction points, each an electrical value and the value it shows.
    Number(P::MultiPoint, 4169, "电气值1", kSignal),
    Number(P::MultiPoint, 4170, "显示值1", kMain),
    Number(P::MultiPoint, 4171, "电气值2", kSignal),
    Number(P::MultiPoint, 4172, "显示值2", kMain),
    Number(P::MultiPoint, 4173, "电气值3", kSignal),
    Number(P::MultiPoint, 4174, "显示值3", kMain),
    Number(P::MultiPoint, 4175, "电气值4", kSignal),
    Number(P::MultiPoint, 4176, "显示值4", kMain),
    Number(P::MultiPoint, 4177, "电气值5", kSignal),
    Number(P::MultiPoint, 4178, "显示值5", kMain),
    Number(P::MultiPoint, 4179, "电气值6", kSignal),
    Number(P::MultiPoint, 4180, "显示值6", kMain),
    Number(P::MultiPoint, 4181, "电气值7", kSignal),
    Number(P::MultiPoint, 4182, "显示值7", kMain),
    Number(P::MultiPoint, 4183, "电气值8", kSignal),
    Number(P::MultiPoint, 4184, "显示值8", kMain),

    Number(P::Valve, 4185, "阀门全行程时间", kTenthsPlain,
           "阀门全行程时间，单位：秒。 0.1-300 秒，默认：30秒", "2"),
    Number(P::Valve, 4186, "阀门最小导通时间", kTenthsPlain, " 0.0-100 秒 默认0", "2"),
    List(P::Valve, 4187, "阀门开路处理方法", kValveOpenCircuit, "Combo33",
         "0-CLOSE(down)，1-OPEN(up)，2-NO ACT(keep) .Default:0-Down"),
    Number(P::Valve, 4188, "阀门动作死区", kTenthsPlain,
           "输出百分比，单位：%。 0.1-10.0  默认：2.0", "2"),

    List(P::Communication, 4157, "通讯波特率", kBaudRate, "Combo18", "0-4800，1-9600，2-19200"),
    List(P::Communication, 4158, "校验方式", kParity, "Combo19", "0-无校验，1-奇校验，2-偶校验"),
    Number(P::Communication, 4159, "通讯地址", kRaw, "地址范围：1-247"),
    Number(P::Communication, 4160, "通讯延迟", kRaw, "延迟时间：0-60MS"),

    List(P::Output1, 4137, "输出方式设定", kOutputKind, "Combo20", kOutputKindHint),
    List(P::Output1, 4138, "输出作用方向", kOutputAction, "Combo21", kOutputActionHint),
    List(P::Output1, 4139, "输出信号类型", kSignalRange, "Combo22", kSignalRangeHint),
    Number(P::Output1, 4140, "输出上限", kTenths, kPercentHint),
    Number(P::Output1, 4141, "输出下限", kTenths, kPercentHint),

    List(P::Output2, 4145, "输出方式设定", kOutputKind, "Combo23", kOutputKindHint),
    List(P::Output2, 4146, "输出作用方向", kOutputAction, "Combo24", kOutputActionHint),
    List(P::Output2, 4147, "输出信号类型", kSignalRange, "Combo25", kSignalRangeHint),
    Number(P::Output2, 4148, "输出上限", kTenths, kPercentHint),
    Number(P::Output2, 4149, "输出下限", kTenths, kPercentHint),

    List(P::Retransmission, 4153, "变送信号类型", kSignalRange, "Combo28", kSignalRangeHint),
    Number(P::Retransmission, 4154, "变送上限", kMain, "-10000 ~ 30000"),
    Number(P::Retransmission, 4155, "变送下限", kMain, "-10000 ~ 30000"),
    List(P::Retransmission, 4156, "输出方式设定", kRetransmitted, "Combo26",
         "0-变送测量值，1-变送设定值，2-变送输出值，3-变送偏差值（PV-SV）4-变送偏差值（SV-PV），5-"
         "变送"
         "PV偏差值（PV1-PV2）,6-变送PV偏差值（PV2-PV1）,7-变送偏差绝对值  ABS(PV1-PV2)"),

    List(
        P::Alarms, 4161, "报警一类型设定", kAlarm1Type, "Combo30",
        "0-无，1-上限报警，2-下限报警，3-上偏差报警，4-下偏差报警，5-偏差带报警，6-加热器断线报警，"
        "7-传感器故障报警"),
    List(P::Alarms, 4162, "报警二类型设定", kAlarm2Type, "Combo29",
         "8-程序运行状态指示，9-(PV1-PV2) , 10-(PV2-PV1) , 11- ABS(PV1-PV2)"),
    List(P::Alarms, 4163, "上电报警免除功能", kPowerOnAlarm, "Combo27", "0-禁止，1-允许"),
    List(P::Alarms, 4164, "继电器常开常闭选择", kRelayContact, "Combo34", "0-默认常开，1-默认常闭"),
    Number(P::Alarms, 4165, "SV1 TO SV2斜坡速率", kMain,
           "SV1切换到SV2斜坡速率，单位 LSB/分钟，0-关闭该功能. 0-3000LSB"),
    Number(P::Alarms, 4166, "联机从站SV寄存器", kRaw, "默认MODBUS RTU寄存器地址3，设置范围：0-128",
           "3"),
    List(P::Alarms, 4167, "联机同步SV倍率选择", kSyncFactor, "Combo36"),

    // The network block: the controller's own address, mask and gateway, one octet a row.
    List(P::Network, 4191, "MTCP", kModbusTcp, "Combo35"),
    Number(P::Network, 4192, "IP1", kRaw, "", "192"),
    Number(P::Network, 4193, "IP2", kRaw, "", "168"),
    Number(P::Network, 4194, "IP3", kRaw, "", "1"),
    Number(P::Network, 4195, "IP4", kRaw, "", "100"),
    Number(P::Network, 4196, "SUB1", kRaw, "", "255"),
    Number(P::Network, 4197, "SUB2", kRaw, "", "255"),
    Number(P::Network, 4198, "SUB3", kRaw, "", "255"),
    Number(P::Network, 4199, "SUB4", kRaw, "", "0"),
    Number(P::Network, 4200, "GET1", kRaw, "", "192"),
    Number(P::Network, 4201, "GET2", kRaw, "", "168"),
    Number(P::Network, 4202, "GET3", kRaw, "", "1"),
    Number(P::Network, 4203, "GET4", kRaw, "", "1"),
};

constexpr std::array<ConfigTab, kConfigTabCount> kTabs = {{
    {"1.Instrument ", "功能参数设定"},
    {"2.主输入设置", "主输入参数设定"},
    {"3.付输入设置", "付输入参数设定"},
    {"4.传感器切换", "双传感器切换点设定"},
    {"5.DI 输入设定", "输入开关量点一动作指令"},
    {"6.主输入多点修正", "主输入PV多点修正", "0-20000", "-10000 -  30000"},
    {"7.阀位控制", "阀位控制功能"},
    {"8.通讯设定", "通讯参数设定"},
    {"9.主输出1设定", "主控输出1设定"},
    {"10.付输出2设定", "付输出设定"},
    {"11.变送设定", "变送输出设定"},
    {"12.报警设定", "报警功能设定"},
}};

}  // namespace

int ConfigEntry::index() const { return hasRegister() ? parameter.reg - kConfigBase : 0; }

std::span<const ConfigEntry> ConfigCatalogue() { return kCatalogue; }

const std::array<ConfigTab, kConfigTabCount>& ConfigTabs() { return kTabs; }

const ConfigEntry* ConfigEntryOfRegister(std::int32_t reg) {
    if (!Area::Configuration.contains(reg)) return nullptr;
    const auto found = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                    [reg](const auto& e) { return e.parameter.reg == reg; });
    return found == kCatalogue.end() ? nullptr : &*found;
}

const ConfigEntry* ConfigEntryOfButton(int index) {
    return ConfigEntryOfRegister(kConfigBase + index);
}

bool ChangesInputScaling(std::int32_t reg) {
    // The auxiliary input's type is read again as well: a display limit of that input written
    // right after it must already be scaled by the new type.
    constexpr std::int32_t kScalingRegisters[] = {
        Scaling::TempUnit.number,    Scaling::Input1Type.number, Scaling::Input1Decimals.number,
        Scaling::AuxFunction.number, Scaling::Input2Type.number, Scaling::Input2Decimals.number};
    return std::find(std::begin(kScalingRegisters), std::end(kScalingRegisters), reg) !=
           std::end(kScalingRegisters);
}

}  // namespace vt
