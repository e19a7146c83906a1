#pragma once

#include "trend_picture.h"
#include "trend_scales.h"
#include "trend_settings.h"
#include "trend_state.h"

namespace vt {

// Builds one full redraw from a window's state: time labels (labels 7 and 8 of the live window
// extrapolated past the newest record), gap marks up to MarkIndex - 1 and the six pens up to
// WriteIndex - 1, from the first row that holds a record. Rows beyond the buffer are never read.
TrendPicture BuildTrendPicture(const TrendState& state, const TrendSettings& settings,
                               const TrendScales& scales);

// Date and time of time label `index` (0..8).
TrendStamp TimeLabelStamp(const TrendState& state, const TrendSettings& settings, int index);

// Date and time of a buffer row: its record's, or for a row before the oldest record counted
// back from that record, one record interval per row. Not known while no row holds a record.
TrendStamp RowStamp(const TrendState& state, const TrendSettings& settings, int row);

}  // namespace vt
