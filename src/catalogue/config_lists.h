#pragma once

#include "parameter.h"

// The option lists of the configuration block, in code order: each entry's text starts with its
// code, which is its position. Texts are exact, trailing blanks included.
namespace vt::config_lists {

// clang-format off
inline constexpr OptionEntry kKeyLock[] = {
    {"0:禁止锁定 ", "禁止锁定"},
    {"1:使能锁定 ", "使能锁定"},
};
inline constexpr OptionEntry kPanelAutoManual[] = {
    {"0:自动 ", "自动"},
    {"1:自动/手动", "自动/手动"},
    {"2:自动/手动/待机", "自动/手动/待机"},
};
inline constexpr OptionEntry kPanelProgram[] = {
    {"0:FIX SV1 ", "FIX SV1"},
    {"1:PROG ", "PROG"},
    {"2:SV1/PROG", "SV1/PROG"},
};
inline constexpr OptionEntry kPanelSetValue[] = {
    {"0:FIX SV1 ", "FIX SV1"},
    {"1:FIX SV2 ", "FIX SV2"},
    {"2:SV1/SV2 ", "SV1/SV2"},
};
inline constexpr OptionEntry kProgramMode[] = {
    {"0:单点SV运行 ", "单点SV1/SV2模式"},
    {"1:程序段模式 ", "程序段模式"},
};
inline constexpr OptionEntry kTempUnit[] = {
    {"0:摄氏度 ", "摄氏度"},
    {"1:华氏度 ", "华氏度"},
    {"2:绝对温度 ", "绝对温度"},
};
inline constexpr OptionEntry kControlMethod[] = {
    {"0:单输出 ", "单输出"},
    {"1:加热制冷 ", "双输出"},
    {"2:无反馈阀控 ", "无反馈阀控"},
    {"3:有反馈阀控 ", "有反馈阀控"},
    {"4:大小火控制 ", "大小火控制"},
};
inline constexpr OptionEntry kPidKind[] = {
    {"0:经典PID ", "经典PID"},
    {"1:PV微分PID ", "PV微分PID"},
    {"2:无超调PID ", "无超调PID"},
};
inline constexpr OptionEntry kDecimalPoint[] = {
    {"0:XXXXX ", "XXXXX"},
    {"1:XXXX.X ", "XXXX.X"},
    {"2:XXX.XX ", "XXX.XX"},
    {"3:XX.XXX ", "XX.XXX"},
    {"4:X.XXXX ", "X.XXXX"},
};
inline constexpr OptionEntry kMainInputFault[] = {
    {"0:转预置输出值", "异常转预置"},
    {"1:维持开路输出 ", "保持开路输出"},
};
inline constexpr OptionEntry kAuxInputFault[] = {
    {"0:转输出预置值 ", "异常转预置"},
    {"1:维持开路输出 ", "保持开路输出"},
};
inline constexpr OptionEntry kColdJunction[] = {
    {"0:内部补偿", "内部补偿"},
    {"1:0度补偿 ", "0度补偿"},
    {"2:45度补偿 ", "45度补偿"},
    {"3:50度补偿", "50度补偿"},
};
inline constexpr OptionEntry kMultiPointSwitch[] = {
    {"0:禁止 ", "禁止"},
    {"1:允许 ", "允许"},
};
inline constexpr OptionEntry kAuxFunction[] = {
    {"0:禁止 ", "禁止使用"},
    {"1:加热器断线报警 ", "加热器断线测量"},
    {"2:阀位反馈 ", "阀位反馈"},
    {"3:远程SV ", "远程SV设定"},
    {"4:双输入高低温切换 ", "双传感高低切换"},
    {"5:双传感器冗余", "双传感器冗余"},
    {"6:PV和PV2偏差报警 ", "双输入偏差报警"},
};
inline constexpr OptionEntry kValveOpenCircuit[] = {
    {"0:Close(down) ", "Close"},
    {"1:Open(Up) ", "Open"},
    {"2:NO Act ", "No Act"},
};
inline constexpr OptionEntry kBaudRate[] = {
    {"0:4800BPS ", "4800BPS"},
    {"1:9600BPS ", "9600BPS"},
    {"2:19200BPS ", "19200BPS"},
};
inline constexpr OptionEntry kParity[] = {
    {"0:无校验 ", "无校验"},
    {"1:奇校验 ", "奇校验"},
    {"2:偶校验 ", "偶校验"},
};
inline constexpr OptionEntry kOutputKind[] = {
    {"0:线性电流输出 ", "线性电流"},
    {"1:继电器 ", "继电器"},
    {"2:晶体管 ", "晶体管"},
    {"3:可控硅 ", "可控硅"},
};
inline constexpr OptionEntry kOutputAction[] = {
    {"0:反作用 ", "反作用"},
    {"1:正作用 ", "正作用"},
};
inline constexpr OptionEntry kSignalRange[] = {
    {"0:4MA20 ", "4MA20"},
    {"1:0MA10 ", "0MA10"},
    {"2:0MA20 ", "0MA20"},
};
inline constexpr OptionEntry kPowerOnAlarm[] = {
    {"0:上电报警禁止 ", "禁止"},
    {"1:上电报警允许 ", "允许上电报警解除"},
};
inline constexpr OptionEntry kRelayContact[] = {
    {"0:默认常开 ", "常开"},
    {"1:常闭模式 ", "常闭"},
};
inline constexpr OptionEntry kSyncFactor[] = {
    {"0:SV除以10", "SV除以10"},
    {"1:SV ", "SV"},
    {"2:SV乘以10 ", "SV乘以10"},
};
inline constexpr OptionEntry kModbusTcp[] = {
    {"0:禁止 ", "禁止"},
    {"1:MODBUS TCP ", "Modbus TCP"},
};
inline constexpr OptionEntry kInputType[] = {
    {"0:K(-200-1300)", "K(-200~1300)"},
    {"1:S(0-1700) ", "S(0~1700)"},
    {"2:R(0-1700) ", "R(0~1700)"},
    {"3:T(-200-400) ", "T(-200~400)"},
    {"4:E(0-1000) ", "E(0~1000)"},
    {"5:J(0-1200) ", "J(0~1200)"},
    {"6:B(400-1800) ", "B(400~1800)"},
    {"7:N(0-1300) ", "N(0~1300)"},
    {"8 WRe325(0-2300)", "WRe325(0~2300)"},
    {"9:WRe526(0-2300) ", "WRe526(0~2300)"},
    {"10:Cu50(-50-150)", "Cu50(-50-150)"},
    {"11:PT100(-200-850) ", "PT100(-200-850)"},
    {"12:PT500(-200-850) ", "PT500(-200-850)"},
    {"13:PT1000(-200-850) ", "PT1000   "},
    {"14:0Ω80(0～80Ω) ", " 0Ω80 "},
    {"15:0Ω400(0～400Ω) ", " 0Ω400 "},
    {"16:0Ω4000(0～4000Ω) ", " 0Ω5000"},
    {"17:0MA10(0～10MA) ", " 0MA10"},
    {"18:0MA20(0～20MA) ", " 0MA20"},
    {"19:4MA20(4-20MA) ", " 4MA20"},
    {"20:0MV20(0-20MV) ", " 0MV20"},
    {"21:0MV100(0-100MV)", " 0MV100"},
    {"22:正负20MV(-20-+20MV) ", " 正负20MV"},
    {"23:正负100MV(-100-+100MV)", " 正负100MV"},
    {"24:0V1(0-1V) ", "  0V1"},
    {"25:0V2(0-2V) ", " 0V2"},
    {"26:0V5(0-5V) ", " 0V5"},
    {"27:1V5(1-5V) ", " 1V5"},
    {"28:0V10(0-+10V) ", " 0V10"},
    {"29:2V10(2-+10V) ", " 2V10"},
    {"30:正负5V(-5-+5V) ", " 正负5V"},
    {"31:正负10V(-10-+10V) ", " 正负10V"},
};
inline constexpr OptionEntry kDiFunction[] = {
    {"0:无 ", "无"},
    {"1:手动/自动 ", "手动自动"},
    {"2:遥控设定 ", "遥控设定"},
    {"3:自整定 ", "自整定"},
    {"4:加键 ", "作为加键"},
    {"5:减键 ", "作为减键"},
    {"6:运行程序 ", "运行程序"},
    {"7:暂停 ", "暂停"},
    {"8:停止 ", "停止"},
    {"9:跳步 ", "转跳步"},
    {"10:待机缓启动（闭合待机、断开缓启动） ", "待机缓启动（闭合待机、断开缓启动）"},
    {"11:切换SV(闭合SV2/断开SV1) ", "切换SV(闭合SV2/断开SV1)"},
    {"12:工艺选择 ", "工艺号选择"},
    {"13:待机(闭合待机) ", "待机（闭合待机）"},
    {"14:按键锁定(闭合锁定) ", "按键锁定（闭合锁定）"},
    {"15:曲线5倍速快速运行 ", "FAST:5X"},
    {"16:曲线10倍速快速运行 ", "FAST:10X"},
    {"17:曲线20倍速快速运行 ", "FAST:20X"},
    {"18:曲线30倍速快速运行 ", "FAST:30X"},
};
inline constexpr OptionEntry kRetransmitted[] = {
    {"0:变送测量值 ", "变送测量值"},
    {"1:变送设定值 ", "变送设定值"},
    {"2:变送输出值 ", "变送输出值"},
    {"3:偏差PV-SV ", "变送偏差PV-SV"},
    {"4:偏差SV-PV ", "变送偏差SV-PV"},
    {"5:PV偏差PV1-PV2 ", "PV值（PV1-PV2）"},
    {"6:PV偏差PV2-PV1 ", "PV值（PV2-PV1）"},
    {"7:PV偏差绝对值ABS(PV1-PV2) ", "ABS（PV1-PV2）"},
};
inline constexpr OptionEntry kAlarm1Type[] = {
    {"0:无 ", "无"},
    {"1:上限报警 ", "上限报警1"},
    {"2:下限报警 ", "下限报警1"},
    {"3:上偏差报警 ", "上偏差报警1"},
    {"4:下偏差报警 ", "下偏差报警1"},
    {"5:偏差带报警 ", "偏差带报警1"},
    {"6:加热器断线报警 ", "加热器断线报警1"},
    {"7:传感器故障 ", "传感器故障"},
    {"8:程序段状态指示 ", "段闭合指示"},
    {"9:PV1-PV2 ", "PV1-PV2报警"},
    {"10:PV2-PV1 ", "PV2-PV1报警"},
    {"11:ABS(PV1-PV2) ", "ABS(PV1-PV2)报警"},
};
inline constexpr OptionEntry kAlarm2Type[] = {
    {"0:无 ", "无"},
    {"1:上限报警 ", "上限报警2"},
    {"2:下限报警 ", "下限报警2"},
    {"3:上偏差报警 ", "上偏差报警2"},
    {"4:下偏差报警 ", "下偏差报警2"},
    {"5:偏差带报警 ", "偏差带报警2"},
    {"6:加热器断线报警 ", "加热器断线报警2"},
    {"7:传感器故障 ", "传感器故障"},
    {"8:程序段状态指示 ", "段闭合指示"},
    {"9:PV1-PV2 ", "PV1-PV2报警"},
    {"10:PV2-PV1 ", "PV2-PV1报警"},
    {"11:ABS(PV1-PV2) ", "ABS(PV1-PV2)报警"},
};

// clang-format on

// The third DI input's list: the first twelve DI functions.
inline constexpr OptionList kDi3Function = OptionList(kDiFunction).first(12);

}  // namespace vt::config_lists
