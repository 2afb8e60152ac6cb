// The answering helper must see every box exactly once, even when boxes
// follow each other at the same address, and pick or cancel files.
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "support/modal_answerer.h"

class TstModalAnswerer : public QObject
{
    Q_OBJECT

private slots:
    void recordsAndAnswersBoxesInTurn();
    void picksAndCancelsFiles();
};

void TstModalAnswerer::recordsAndAnswersBoxesInTurn()
{
    ModalAnswerer answerer;
    for (int i = 0; i < 3; ++i) {
        QMessageBox box;
        box.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        box.setWindowTitle(QStringLiteral("Title %1").arg(i));
        box.setText(QStringLiteral("Line\n%1").arg(i));
        box.setStandardButtons(QMessageBox::Ok);
        QCOMPARE(box.exec(), int(QMessageBox::Ok));
    }
    QCOMPARE(answerer.count(), 3);
    QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Title 1"));
    QCOMPARE(answerer.seen().at(2).text, QStringLiteral("Line\n2"));
    QVERIFY(!(answerer.last().flags & Qt::WindowCloseButtonHint));
    QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TstModalAnswerer::picksAndCancelsFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.dat"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();

    ModalAnswerer answerer;
    answerer.queueFile(path);
    answerer.queueFile(QString());
    QCOMPARE(QFileDialog::getOpenFileName(nullptr, QStringLiteral("Pick"), dir.path()), path);
    QVERIFY(QFileDialog::getOpenFileName(nullptr, QStringLiteral("Pick"), dir.path()).isNull());
    QCOMPARE(answerer.count(), 2);
    QCOMPARE(answerer.seen().first().title, QStringLiteral("Pick"));
}

QTEST_MAIN(TstModalAnswerer)
#include "tst_modal_answerer.moc"
