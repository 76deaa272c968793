#pragma once
// The unit ExtUtil: the free routines that the grid family shares, split by
// concern. None keeps state; all work on the caller's strings and canvas.
#include "grid/ExtUtilDates.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/ExtUtilFields.h"
#include "grid/ExtUtilLayered.h"
#include "grid/ExtUtilMatcher.h"
#include "grid/ExtUtilSmall.h"
#include "grid/ExtUtilText.h"
#include "grid/ExtUtilUnicode.h"
