#include "cfg/record/record_fields.h"

const FieldInfo kFieldInfos[kFieldInfoCount] = {
    {"ClkI", false, " kHz", [](const HAL_STRUCT& r) { return unsigned(r.ClkI); }},
    {"ClkI2", false, " kHz", [](const HAL_STRUCT& r) { return unsigned(r.ClkI2); }},
    {"BusClk", false, " kHz", [](const HAL_STRUCT& r) { return unsigned(r.BusClk); }},
    {"RegAddr", true, "", [](const HAL_STRUCT& r) { return unsigned(r.RegAddr); }},
    {"DispMemAddr", true, "", [](const HAL_STRUCT& r) { return unsigned(r.DispMemAddr); }},
    {"FrameRate", false, " Hz", [](const HAL_STRUCT& r) { return unsigned(r.FrameRate); }},
    {"PowerOffDelay", false, " ms", [](const HAL_STRUCT& r) { return unsigned(r.PowerOffDelay); }},
    {"PowerOnDelay", false, " ms", [](const HAL_STRUCT& r) { return unsigned(r.PowerOnDelay); }},
};
