#include "shell/Accessibility.h"

#include "lang/Language.h"
#include "render/ImageControl.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"

#include <QAccessibleWidget>
#include <algorithm>

QString tileAccessibleName(const frmMirvel& form, int index) {
    // One row a language, in the order of the languages' table.
    static const char* const names[Languages.size()][2] = {
        {"Teil %1", "Leeres Feld"},
        {"Tile %1", "Empty cell"},
        {"Bricka %1", "Tom ruta"},
        {"Tessera %1", "Casella vuota"},
    };
    const int language = indexOf(languageOf(LangOffset));
    const QString tag = form.imgPuzz[index]->Tag();
    return tag.isEmpty() ? QString::fromUtf8(names[language][1]) : QString::fromUtf8(names[language][0]).arg(tag);
}

namespace {

class TileAccessible : public QAccessibleWidget {
public:
    TileAccessible(ImageControl* tile, const frmMirvel& form, int index)
        : QAccessibleWidget(tile, QAccessible::Button), m_form(form), m_index(index) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? tileAccessibleName(m_form, m_index) : QAccessibleWidget::text(t);
    }

private:
    const frmMirvel& m_form;
    int m_index;
};

QAccessibleInterface* tileFactory(const QString& className, QObject* object) {
    auto* tile = qobject_cast<ImageControl*>(object);
    const frmMirvel* form = tile ? qobject_cast<const frmMirvel*>(tile->window()) : nullptr;
    if (className != QLatin1String("ImageControl") || !form)
        return nullptr;
    const auto it = std::find(form->imgPuzz.begin(), form->imgPuzz.end(), tile);
    return it == form->imgPuzz.end() ? nullptr : new TileAccessible(tile, *form, int(it - form->imgPuzz.begin()));
}

} // namespace

void installTileAccessibility() {
    static const bool installed = (QAccessible::installFactory(tileFactory), true);
    Q_UNUSED(installed);
}
