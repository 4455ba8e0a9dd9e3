#include "dialogs/ModalAnswerer.h"

#include "dialogs/FocusStyle.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStringList>

namespace {

// The name filter as the dialog shows it, with the patterns it matches by hidden behind it
// (the dialog hides a filter's last parenthesis). "*.*" matches every file, as it does on the
// platforms where such filters come from, rather than only names with a dot.
QString WithMatchedPatterns(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !filter.endsWith(QLatin1Char(')')))
        return filter;
    QStringList patterns =
        filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
    return filter + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// A name typed into an Open dialog names that file when it exists; otherwise, without an
// extension of its own, it gets the default one.
QString OpenedPath(const QString& chosen, const QString& extension) {
    const QFileInfo file(chosen);
    if (extension.isEmpty() || file.exists() || file.fileName().contains('.'))
        return chosen;
    return chosen + QLatin1Char('.') + extension;
}

// Escape and the close box end a box that has No but no Cancel with Cancel: closing a question
// never counts as its answer No.
class ClosedWithoutAnswer : public QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
        if (!escape && event->type() != QEvent::Close)
            return false;
        static_cast<QDialog*>(watched)->done(QMessageBox::Cancel);
        return true;
    }
};

class QtModalAnswerer : public ModalAnswerer {
public:
    QMessageBox::StandardButton AnswerMessageBox(QWidget* owner,
                                                 const MessageBoxRequest& request) override {
        InstallFocusStyle();
        QMessageBox box(request.icon, QString::fromLocal8Bit(request.caption),
                        QString::fromLocal8Bit(request.text), request.buttons, owner);
        // Paths in the texts may hold any characters; they are never markup.
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(request.buttons & QMessageBox::Yes ? QMessageBox::Yes
                                                                : QMessageBox::Ok);
        ClosedWithoutAnswer closing;
        if (request.buttons & QMessageBox::Cancel)
            box.setEscapeButton(QMessageBox::Cancel);
        else if (request.buttons & QMessageBox::No)
            box.installEventFilter(&closing);
        const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
        return request.buttons & answer ? answer : QMessageBox::Cancel;
    }

    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override {
        InstallFocusStyle();
        QFileDialog dialog(owner);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.confirmOverwrite)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QString extension = QString::fromLocal8Bit(request.defaultExtension);
        if (!request.open)
            dialog.setDefaultSuffix(extension);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        QStringList filters;
        for (const QString& filter : request.nameFilters)
            filters << WithMatchedPatterns(filter);
        dialog.setNameFilters(filters);
        dialog.setDirectory(QString::fromLocal8Bit(request.folder));
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
