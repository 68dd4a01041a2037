// The system's standard icons: the style's message-box icons, made once and shared.
#include "vcl/qt/Icon.h"

#include "vcl/TImageResources.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <map>
#include <optional>

namespace {

constexpr int StandardIconSize = 32;

std::optional<QStyle::StandardPixmap> StandardPixmapOf(int id)
{
    switch (id) {
    case IDI_HAND: return QStyle::SP_MessageBoxCritical;
    case IDI_QUESTION: return QStyle::SP_MessageBoxQuestion;
    case IDI_EXCLAMATION: return QStyle::SP_MessageBoxWarning;
    case IDI_ASTERISK: return QStyle::SP_MessageBoxInformation;
    default: return std::nullopt;
    }
}

QImage StandardIconPicture(QStyle::StandardPixmap which)
{
    const QIcon icon = QApplication::style()->standardIcon(which);
    const QSize size(StandardIconSize, StandardIconSize);
    QImage picture = icon.pixmap(size, 1.0).toImage();
    if (picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

} // namespace

namespace {

// The program's own icon of that name, made once from its picture and shared like the system's.
HICON ProgramIcon(LPCSTR iconName)
{
    if (IS_INTRESOURCE(iconName))
        return nullptr;
    const TImageResources::TXpm picture = TImageResources::Find(iconName);
    if (!picture)
        return nullptr;
    static std::map<TImageResources::TXpm, HICON__> icons;
    auto [it, added] = icons.try_emplace(picture);
    if (added)
        it->second.Picture = QImage(picture);
    return &it->second;
}

} // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR iconName)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    if (instance == HInstance)
        return ProgramIcon(iconName);
    if (instance || !IS_INTRESOURCE(iconName))
        return nullptr;
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(iconName));
    const auto which = StandardPixmapOf(id);
    if (!which)
        return nullptr;
    // Shared for the whole run, as the system's icons are; pictures need no windowing to live.
    static std::map<int, HICON__> icons;
    auto [it, added] = icons.try_emplace(id);
    if (added)
        it->second.Picture = StandardIconPicture(*which);
    return &it->second;
}
