// The bar's saved design: which property is kept under which key, and the
// value a missing key stands for.
#include "buttonbar/BtnShield.h"

#include <vector>

namespace pellam::ctl {

namespace {

struct SavedProperty {
    const char* key;
    const char* property;
    QVariant fallback; // what a missing key reads as
    bool alwaysStored = false;
};

const std::vector<SavedProperty>& savedProperties()
{
    static const std::vector<SavedProperty> table = {
        {"BOrientation", "BOrientation", 0},
        {"ImageBtn", "ImageBtn", false},
        {"IsCloseBtn", "IsCloseBtn", false},
        {"IsPrintBtn", "IsPrintBtn", false},
        {"IsSearchBtn", "IsSearchBtn", false},
        {"ResetOnFind", "ResetOnFind", true},
        {"AllowAdd", "AllowAdd", true},
        {"AllowEdit", "AllowEdit", true},
        {"AllowDelete", "AllowDelete", true},
        {"Allowprint", "AllowPrint", true},
        {"ConfirmClose", "ConfirmClose", false},
        {"ConfirmDelete", "ConfirmDelete", true},
        {"ClearTag", "ClearTag", true},
        {"PrintOptions", "PrintOptions", 0},
        // Always written, so a missing key only comes from a damaged design.
        {"RefreshAlways", "RefreshAlways", false, true},
        {"EntryLocking", "EntryLocking", 0},
        {"BackColor", "BackColor", quint32(0x8000000F)},
        {"BorderStyle", "BorderStyle", 0},
        {"FillColor", "FillColor", quint32(0)},
        {"MaskColor", "MaskColor", quint32(0x8000000F)},
        {"Appearance", "Appearance", 1},
    };
    return table;
}

// Enumerations read back as their numbers.
QVariant comparable(const QVariant& value)
{
    return value.canConvert<int>() && value.typeId() != QMetaType::Bool ? QVariant(value.toLongLong()) : value;
}

} // namespace

void BtnShield::ReadProperties(const QVariantMap& saved)
{
    for (const SavedProperty& p : savedProperties()) {
        const QVariant value = saved.value(QString::fromLatin1(p.key), p.fallback);
        setProperty(p.property, value);
    }
    const QString font = saved.value(QStringLiteral("Font")).toString();
    QFont chosen = parentWidget() ? parentWidget()->font() : QWidget::font();
    if (!font.isEmpty())
        chosen.fromString(font);
    setButtonsFont(chosen);
}

QVariantMap BtnShield::WriteProperties() const
{
    QVariantMap saved;
    for (const SavedProperty& p : savedProperties()) {
        const QVariant value = property(p.property);
        if (p.alwaysStored || comparable(value) != comparable(p.fallback))
            saved.insert(QString::fromLatin1(p.key), comparable(value));
    }
    const QFont ambient = parentWidget() ? parentWidget()->font() : QWidget::font();
    if (Font() != ambient)
        saved.insert(QStringLiteral("Font"), Font().toString());
    return saved;
}

} // namespace pellam::ctl
