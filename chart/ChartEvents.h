#pragma once
// The event signatures the chart library shares. Sender is the object that fires the
// event; an empty std::function is an unassigned event and is skipped.

#include "platform/core/Object.h"
#include "platform/core/Types.h"

#include <functional>

namespace vx {

class TCanvas;
class TStrings;
class TVXCustomChart;
class TVXChartValue;
class TVXChartAxis;

/// A change of a whole chart (the panel's OnChartChange).
using TVXChartEvent = std::function<void(TObject* Sender, TVXCustomChart* Chart)>;

/// Fired before an element paints. DoDraw arrives true; a handler that sets it to false
/// suppresses the element's painting and its OnDraw... event. ARect is the handler's own
/// copy: changing it does not move what is painted.
using TVXChartDrawingEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, TRect ARect, bool& DoDraw)>;

/// Fired after an element has painted into ARect (a copy).
using TVXChartDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect ARect)>;

/// A change of one value of a chart, reported by the panel (Value nil: the whole collection).
using TVXChartValueEvent =
    std::function<void(TObject* Sender, TVXCustomChart* Chart, TVXChartValue* Value)>;

/// A change of one value, reported by its chart (Value nil: the whole collection).
using TVXChartValueEvent2 = std::function<void(TObject* Sender, TVXChartValue* Value)>;

/// Lets a handler update an axis itself; setting Handled to true skips the default update.
using TVXChartAxisUpdateEvent =
    std::function<void(TObject* Sender, TVXChartAxis* Axis, bool& Handled)>;

/// Asks the handler to fill Strings (the panel's legend lines).
using TGetStringsEvent = std::function<void(TObject* Sender, TStrings* Strings)>;

} // namespace vx
