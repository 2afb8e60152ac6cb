// Variable selectors: one shared catalogue, choices kept by name across a
// new catalogue, and the indexed prefix lookup the dialog loads them with.
#include <interfaces/spreadsheet.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QStringList numbered(const char *stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::asprintf(stem, i);
    return names;
}

// Shown, active, with the keyboard focus: a type-to-find field.
bool focusSelector(ZelVariable &selector)
{
    selector.show();
    selector.activateWindow();
    if (!QTest::qWaitForWindowActive(&selector))
        return false;
    selector.setFocus();
    return QTest::qWaitFor([&selector]() { return selector.comboBox()->hasFocus(); });
}

// A host's end, in a child process: a variable table in which the user
// opened a picker and left the finder's offers open; then the host deletes
// the window and the application in the given order.
int runExitScene(int argc, char **argv, const QByteArray &order)
{
    auto *app = new QApplication(argc, argv);
    ZelVariable::setAvailableVariables(numbered("SIG_%d", 2000));
    static QWidget *window = new QWidget; // reachable when never deleted
    auto *table = new Spreadsheet(window);
    (new QVBoxLayout(window))->addWidget(table);
    table->setSpreadsheetKind(Spreadsheet::XYVarKind);
    table->setRowCount(2);
    window->show();
    auto *selector = qobject_cast<ZelVariable *>(table->cellWidget(0, 1));
    if (!selector || !focusSelector(*selector))
        return 2;
    QComboBox *combo = selector->comboBox();
    combo->showPopup();
    QTest::keyClicks(combo->view(), "SIG_12");
    combo->hidePopup();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "SIG_19");
    if (!QTest::qWaitFor([combo]() { return combo->completer()->popup()->isVisible(); }))
        return 3;
    window->hide();
    if (order == "before")
        delete window;
    delete app;
    if (order == "after")
        delete window;
    return 0; // "never": the window is left to the end of the process
}

} // namespace

class TestSpreadsheetSelectors : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ZelVariable::setAvailableVariables(QStringList()); }

    // The model behind every selector, over catalogue changes, and what it
    // answers for indexes it does not hold.
    void catalogueModel()
    {
        QAbstractItemModel *model = ZelVariable::catalogueModel();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        ZelVariable selectors[2];
        QStringListModel foreign(numbered("X_%d", 5));
        for (int count : {3, 0, 1000}) {
            ZelVariable::setAvailableVariables(numbered("VAR_%d", count));
            QCOMPARE(ZelVariable::availableVariables(), numbered("VAR_%d", count));
            QCOMPARE(selectors[1].comboBox()->count(), count);
            QCOMPARE(selectors[1].comboBox()->currentIndex(), -1);
            QCOMPARE(model->index(count - 1, 0).data(Qt::EditRole).toString(),
                     count ? QString::asprintf("VAR_%d", count - 1) : QString());
            QVERIFY(!model->index(0, 0).data(Qt::ToolTipRole).isValid()
                    && !model->data(QModelIndex()).isValid()
                    && !model->data(foreign.index(4, 0)).isValid());
        }
        QCOMPARE(selectors[0].comboBox()->model(), model);
        selectors[0].comboBox()->setCurrentIndex(0);
        QCOMPARE(selectors[1].comboBox()->currentIndex(), -1);
    }

    // Each selector keeps its choice by name where the name is still
    // offered; the others have none, also when the old names come back.
    void newCatalogueKeepsChoicesByName_data()
    {
        const QStringList old = numbered("OLD_%d", 10);
        QTest::addColumn<QStringList>("fresh");
        QTest::newRow("one more name in front") << QStringList(QStringList{"NEW"} + old);
        QTest::newRow("a chosen name gone") << QStringList(old.mid(4) + old.mid(0, 3));
        QTest::newRow("chosen names twice") << QStringList{"OLD_9", "OLD_9", "OLD_3", "OLD_3"};
        QTest::newRow("emptied") << QStringList();
    }
    void newCatalogueKeepsChoicesByName()
    {
        QFETCH(QStringList, fresh);
        ZelVariable::setAvailableVariables(numbered("OLD_%d", 10));
        ZelVariable selectors[3];
        selectors[0].comboBox()->setCurrentIndex(3);
        selectors[1].comboBox()->setCurrentIndex(9);
        QVERIFY(focusSelector(selectors[1])); // a type-to-find field shows the name
        ZelVariable::setAvailableVariables(fresh);
        const QString chosen[3] = {"OLD_3", "OLD_9", QString()};
        for (int i = 0; i < 3; ++i) {
            const int row = chosen[i].isNull() ? -1 : fresh.indexOf(chosen[i]);
            QComboBox *combo = selectors[i].comboBox();
            QCOMPARE(combo->currentIndex(), row);
            QCOMPARE(combo->lineEdit() ? combo->lineEdit()->text() : combo->currentText(),
                     row < 0 ? QString() : chosen[i]);
            if (!chosen[i].isNull()) // the prefix index follows the new names
                QCOMPARE(ZelVariable::findFirstStartingWith(chosen[i], Qt::CaseSensitive), row);
        }
        ZelVariable::setAvailableVariables(numbered("OLD_%d", 10));
        QCOMPARE(selectors[0].comboBox()->currentIndex(), fresh.contains("OLD_3") ? 3 : -1);
        QCOMPARE(selectors[2].comboBox()->currentIndex(), -1);
    }

    // "First name starting with" agrees with a plain combo's findData over
    // names that share prefixes, differ in case, are empty or lie outside the
    // BMP; every other search of the catalogue agrees with a list model's.
    void prefixLookupMatchesFindData_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("empty catalogue") << 0 << 4;
        QTest::newRow("one name") << 1 << 3;
        QTest::newRow("short names") << 300 << 3;
        QTest::newRow("longer names") << 2000 << 8;
    }
    void prefixLookupMatchesFindData()
    {
        QFETCH(int, count);
        QFETCH(int, maxLength);
        QRandomGenerator random(quint32(count + maxLength));
        const QStringList letters =
            QStringLiteral("a A b B t T _ 1 \u00e9 \u00c9 \u03c9 \u03a9 \u00df").split(' ')
            << QString::fromUcs4(U"\U00010400") << QString::fromUcs4(U"\U00010428");
        const auto randomName = [&](int length) {
            QString name;
            for (int i = random.bounded(length + 1); i > 0; --i)
                name += letters.at(random.bounded(letters.size()));
            return name;
        };
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << (i == count / 2 && count > 10 ? QString("") : randomName(maxLength));
        ZelVariable::setAvailableVariables(names);
        QComboBox reference;
        reference.addItems(names);
        QStringListModel list(names);
        QAbstractItemModel *catalogue = ZelVariable::catalogueModel();
        QStringList prefixes{QString(), "", "zz", QString::fromUcs4(U"\U00010400")};
        for (int i = 0; i < 400; ++i) {
            const QString cut =
                count ? names.at(random.bounded(count)).left(random.bounded(4)) : "";
            prefixes << cut << cut.toUpper() << cut.toLower() << randomName(3);
        }
        const int types[] = {Qt::MatchStartsWith, Qt::MatchContains, Qt::MatchFixedString,
                             Qt::MatchWildcard};
        for (const QString &prefix : prefixes) {
            const int start = random.bounded(2) ? 0 : random.bounded(qMax(1, count));
            const int role = random.bounded(Qt::ToolTipRole + 1), hits = random.bounded(4) - 1;
            const Qt::MatchFlags how(types[random.bounded(4)] | Qt::MatchWrap * random.bounded(2)
                                     | Qt::MatchCaseSensitive * random.bounded(2));
            const auto rows = [&](QAbstractItemModel *model) {
                QList<int> found;
                for (const QModelIndex &i :
                     model->match(model->index(start, 0), role, prefix, hits, how))
                    found << i.row();
                return found;
            };
            // One search in sixteen: a plain model's search of every row is slow.
            QVERIFY2(random.bounded(16) || rows(catalogue) == rows(&list), qPrintable(prefix));
            for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
                const Qt::MatchFlags flags =
                    Qt::MatchStartsWith | (cs ? Qt::MatchCaseSensitive : Qt::MatchFlags());
                QVERIFY2(ZelVariable::findFirstStartingWith(prefix, cs)
                             == reference.findData(prefix, Qt::DisplayRole, flags),
                         qPrintable(prefix + (cs ? " (case)" : "")));
            }
        }
    }

    // The picker shows the current choice, however far down the catalogue.
    void pickerOpensAtChoice()
    {
        ZelVariable::setAvailableVariables(numbered("CELL4.ENGINE.CHANNEL_%d", 50000));
        ZelVariable selector;
        QComboBox *combo = selector.comboBox();
        QVERIFY(focusSelector(selector));
        for (int choice : {0, 49999}) {
            combo->setCurrentIndex(choice);
            combo->showPopup();
            QAbstractItemView *list = combo->view();
            QTRY_VERIFY(list->isVisible());
            QCOMPARE(list->currentIndex().row(), choice);
            const QRect shown = list->visualRect(list->currentIndex());
            QVERIFY(shown.top() >= 0 && shown.bottom() <= list->viewport()->rect().bottom());
            combo->hidePopup();
        }
    }

    // A host's end with a picker and the finder's offers open: no crash,
    // however the host orders the deletes.
    void exitIsClean()
    {
        for (const QString order : {"before", "after", "never"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"--exit-scene", order});
            QVERIFY(child.waitForFinished(120000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                     qPrintable(order + ": " + child.readAll()));
        }
    }
};

// The exit scenes run in a child process of this very executable.
int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--exit-scene") == 0)
        return runExitScene(argc, argv, argv[2]);
    QApplication app(argc, argv);
    TestSpreadsheetSelectors test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_spreadsheet_selectors.moc"
