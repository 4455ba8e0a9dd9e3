#include "platform/ModalAnswerer.h"

#include "platform/FocusStyle.h"
#include "platform/Win32.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace {

QMessageBox::Icon IconOfFlags(unsigned flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOfFlags(unsigned flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

// The first button is the default one, which Enter presses.
QMessageBox::StandardButton DefaultButtonOfFlags(unsigned flags) {
    const unsigned type = flags & MB_TYPEMASK;
    return type == MB_YESNOCANCEL || type == MB_YESNO ? QMessageBox::Yes : QMessageBox::Ok;
}

int ResultOfButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Ok:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

// "desc|pattern|desc|pattern||" as Qt name filters. The dialog shows each description as it
// stands and hides the pattern that Qt matches by, where "*.*" becomes "*": the classic pattern
// means every file, and Qt's would ask for a dot in the name.
QStringList NameFiltersOf(const std::string& filter) {
    const QStringList parts = QString::fromLocal8Bit(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern.trimmed() == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(' ') + QLatin1Char(')');
    }
    return filters;
}

QString ExtensionWithoutDot(const std::string& extension) {
    QString text = QString::fromLocal8Bit(extension);
    if (text.startsWith('.'))
        text.remove(0, 1);
    return text;
}

// A name typed into an Open dialog names that file when it exists; otherwise, without an
// extension of its own, it gets the default one.
QString OpenedPath(const QString& chosen, const QString& extension) {
    const QFileInfo file(chosen);
    if (extension.isEmpty() || file.exists() || file.fileName().contains('.'))
        return chosen;
    return chosen + QLatin1Char('.') + extension;
}

class QtModalAnswerer : public ModalAnswerer {
public:
    int AnswerMessageBox(QWidget* owner, const MessageBoxRequest& request) override {
        InstallFocusStyle();
        QMessageBox box(IconOfFlags(request.flags), QString::fromLocal8Bit(request.caption),
                        QString::fromLocal8Bit(request.text), ButtonsOfFlags(request.flags), owner);
        // Paths in the texts may hold any characters; they are never markup.
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(DefaultButtonOfFlags(request.flags));
        if ((request.flags & MB_TYPEMASK) == MB_YESNOCANCEL)
            box.setEscapeButton(QMessageBox::Cancel);
        return ResultOfButton(box.exec());
    }

    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override {
        InstallFocusStyle();
        QFileDialog dialog(owner);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!(request.flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QString extension = ExtensionWithoutDot(request.defaultExtension);
        if (!request.open)
            dialog.setDefaultSuffix(extension);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(NameFiltersOf(request.filter));
        dialog.setDirectory(QString::fromLocal8Bit(request.folder));
        if (!request.fileName.empty())
            dialog.selectFile(QString::fromLocal8Bit(request.fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        QString chosen = dialog.selectedFiles().first();
        if (request.open)
            chosen = OpenedPath(chosen, extension);
        return chosen.toLocal8Bit().toStdString();
    }
};

QtModalAnswerer RealAnswerer;
ModalAnswerer* Installed = nullptr;

} // namespace

ModalAnswerer& CurrentModalAnswerer() {
    return Installed ? *Installed : RealAnswerer;
}

void SetModalAnswerer(ModalAnswerer* answerer) {
    Installed = answerer;
}
