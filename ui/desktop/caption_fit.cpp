#include "ui/desktop/caption_fit.h"

#include <QFontMetricsF>
#include <QString>

#include "form/control_layout.h"
#include "ui/desktop/form_scale.h"
#include "ui/widgets/to_qstring.h"

bool CaptionsFit(const QFont& font, const FormScale& scale) {
    const QFontMetricsF metrics(font);
    for (const ControlLayout& layout : kControlLayout) {
        if (!layout.visible ||
            (layout.kind != ControlKind::Label && layout.kind != ControlKind::Button)) {
            continue;
        }
        const int margin = layout.kind == ControlKind::Button ? 3 : 1;
        const QString caption = ToQString(layout.caption);
        const int room =
            scale.Rect(layout.left, layout.top, layout.width, layout.height).width() - 2 * margin;
        if (metrics.horizontalAdvance(caption) > room) {
            return false;
        }
    }
    return true;
}
