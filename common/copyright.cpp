#include "common/copyright.h"

const char* const kCopyrightLines[kCopyrightLineCount] = {
    "Copyright (c) QLC56420 Configuration Tools.",
    "All rights reserved.",
};
