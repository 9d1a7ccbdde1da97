// The baseline for the start-up benchmark: the smallest Qt 6 dialog program that shows a window
// of about the calculator's size and ends on Escape.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    QLabel label(QStringLiteral("Baseline"), &dialog);
    dialog.resize(240, 180);
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
