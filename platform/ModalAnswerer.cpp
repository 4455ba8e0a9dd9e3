#include "platform/ModalAnswerer.h"

#include "platform/Win32.h"

#include <QFileDialog>
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

// "desc|pattern|desc|pattern||" as Qt name filters. The descriptions already name their
// patterns in brackets, which is what Qt's dialog filters by.
QStringList NameFiltersOf(const std::string& filter) {
    const QStringList parts = QString::fromLocal8Bit(filter).split('|');
    QStringList descriptions;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty())
            descriptions << parts[i];
    }
    return descriptions;
}

class QtModalAnswerer : public ModalAnswerer {
public:
    int AnswerMessageBox(QWidget* owner, const MessageBoxRequest& request) override {
        QMessageBox box(IconOfFlags(request.flags), QString::fromLocal8Bit(request.caption),
                        QString::fromLocal8Bit(request.text), ButtonsOfFlags(request.flags), owner);
        // Paths in the texts may hold any characters; they are never markup.
        box.setTextFormat(Qt::PlainText);
        if ((request.flags & MB_TYPEMASK) == MB_YESNOCANCEL)
            box.setEscapeButton(QMessageBox::Cancel);
        return ResultOfButton(box.exec());
    }

    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override {
        QFileDialog dialog(owner);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!(request.flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        QString extension = QString::fromLocal8Bit(request.defaultExtension);
        if (extension.startsWith('.'))
            extension.remove(0, 1);
        dialog.setDefaultSuffix(extension);
        dialog.setNameFilters(NameFiltersOf(request.filter));
        dialog.setDirectory(QString::fromLocal8Bit(request.folder));
        if (!request.fileName.empty())
            dialog.selectFile(QString::fromLocal8Bit(request.fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toLocal8Bit().toStdString();
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
