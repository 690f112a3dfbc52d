#include "shell/events.h"
#include "style/visual_style.h"

namespace lf {

void OnMainWindowCreated(EventRecord&) { SetVisualStyle(1); }

}  // namespace lf
