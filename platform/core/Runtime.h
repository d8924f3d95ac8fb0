#pragma once
// The runtime functions of the toolkit layer in one include: number and date text,
// Format, rounding, tolerant comparison and the pseudo-random generator.

#include "platform/core/Convert.h"
#include "platform/core/DateTime.h"
#include "platform/core/Format.h"
#include "platform/core/FormatDateTime.h"
#include "platform/core/FormatFloat.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/MathUtils.h"
#include "platform/core/Random.h"
