#include "vcl/TOpenDialog.h"

#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/qt/Peer.h"
#include "vcl/qt/QtConvert.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace {

// The filter "description|patterns|description|patterns" as the dialog's name filters,
// "description (pattern pattern)"; the dialog hides the added patterns and shows each description
// as it was written.
QStringList NameFiltersOf(const std::string& filter)
{
    const QStringList parts = ToQString(filter).split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        nameFilters << parts[i] + QStringLiteral(" (") + parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ') + u')';
    return nameFilters;
}

// The window the dialog stands over: the active one, else the main form.
QWidget* DialogParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return WidgetOf(Application->MainForm());
}

} // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute()
{
    const std::optional<std::string> chosen = Chooser ? Chooser(*this) : AskUser();
    if (!chosen)
        return false;
    FFileName = *chosen;
    return true;
}

std::optional<std::string> TOpenDialog::AskUser() const
{
    // Qt's own dialog on every desktop, so that it matches names whatever their letter case and
    // takes a typed name that does not exist, as the program expects.
    QFileDialog dialog(DialogParent(), ToQString(FTitle));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setDirectory(FInitialDir.empty() ? QDir::currentPath() : QFile::decodeName(FInitialDir.c_str()));
    if (const QStringList nameFilters = NameFiltersOf(FFilter); !nameFilters.isEmpty())
        dialog.setNameFilters(nameFilters);
    if (!FFileName.empty())
        dialog.selectFile(QFile::decodeName(FFileName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
