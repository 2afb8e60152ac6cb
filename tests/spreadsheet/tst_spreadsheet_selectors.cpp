// Variable selectors: one shared catalogue, choices kept by name across a
// new catalogue, type-to-find, and the indexed prefix lookup the dialog
// loads them with.
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

#include <utility>

namespace {

QStringList numberedNames(const char *stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::asprintf(stem, i);
    return names;
}

// Brings the selector to the user: shown, active, with the keyboard focus
// (which makes it a type-to-find field).
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
    ZelVariable::setAvailableVariables(numberedNames("SIG_%d", 2000));
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
        QStringListModel foreign(numberedNames("X_%d", 5));
        for (int count : {3, 0, 1000, 1}) {
            ZelVariable::setAvailableVariables(numberedNames("VAR_%d", count));
            QCOMPARE(ZelVariable::availableVariables(), numberedNames("VAR_%d", count));
            QCOMPARE(model->rowCount(), count);
            for (ZelVariable &selector : selectors) {
                QCOMPARE(selector.comboBox()->model(), model);
                QCOMPARE(selector.comboBox()->count(), count);
                QCOMPARE(selector.comboBox()->currentIndex(), -1);
            }
            if (count > 0) {
                QCOMPARE(model->index(count - 1, 0).data().toString(),
                         QString::asprintf("VAR_%d", count - 1));
                QCOMPARE(model->index(0, 0).data(Qt::EditRole).toString(), QString("VAR_0"));
                QCOMPARE(model->rowCount(model->index(0, 0)), 0); // a list: no children
                QVERIFY(!model->index(0, 0).data(Qt::ToolTipRole).isValid());
            }
            QVERIFY(!model->index(count, 0).isValid());
            QVERIFY(!model->data(QModelIndex()).isValid());
            QVERIFY(!model->data(foreign.index(0, 0)).isValid());
            QVERIFY(!model->data(foreign.index(4, 0)).isValid());
        }
        selectors[0].comboBox()->setCurrentIndex(0);
        QCOMPARE(selectors[0].comboBox()->currentText(), QString("VAR_0"));
        QCOMPARE(selectors[1].comboBox()->currentIndex(), -1);
    }

    void newCatalogueKeepsChoicesByName_data()
    {
        const QStringList old = numberedNames("OLD_%d", 10);
        QTest::addColumn<QStringList>("fresh");
        QTest::newRow("one more name in front") << QStringList(QStringList{"NEW"} + old);
        QTest::newRow("a chosen name gone") << QStringList(old.mid(4) + old.mid(0, 3));
        QTest::newRow("chosen names twice, one first")
            << QStringList{"OLD_9", "OLD_9", "OLD_3", "OLD_3"};
        QTest::newRow("emptied") << QStringList();
    }
    // Each selector keeps its choice by name where the name is still
    // offered; the others have none, also when the old names come back.
    void newCatalogueKeepsChoicesByName()
    {
        QFETCH(QStringList, fresh);
        ZelVariable::setAvailableVariables(numberedNames("OLD_%d", 10));
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
            QCOMPARE(combo->currentText(), row < 0 ? QString() : chosen[i]);
            if (combo->lineEdit())
                QCOMPARE(combo->lineEdit()->text(), combo->currentText());
            if (!chosen[i].isNull()) // the prefix index follows the new names
                QCOMPARE(ZelVariable::findFirstStartingWith(chosen[i], Qt::CaseSensitive), row);
        }
        ZelVariable::setAvailableVariables(numberedNames("OLD_%d", 10));
        QCOMPARE(selectors[0].comboBox()->currentIndex(), fresh.contains("OLD_3") ? 3 : -1);
        QCOMPARE(selectors[2].comboBox()->currentIndex(), -1);
    }

    void typedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        // The selector starts on TEMP_1 (index 1).
        QTest::newRow("a catalogue name") << "PRESSURE" << 2;
        QTest::newRow("no such name") << "TEMPX" << 1;
        QTest::newRow("name in other case") << "pressure" << 2;
        QTest::newRow("part of a name") << "PRESS" << 1;
        QTest::newRow("emptied") << "" << -1;
        QTest::newRow("offer picked") << "ressure" << 3; // the second offer
    }
    void typedText()
    {
        QFETCH(QString, typed);
        QFETCH(int, index);
        const QStringList names{"TEMP", "TEMP_1", "PRESSURE", "oil_pressure"};
        ZelVariable::setAvailableVariables(names);
        ZelVariable selector;
        QComboBox *combo = selector.comboBox();
        combo->setCurrentIndex(1);
        QVERIFY(focusSelector(selector));
        QLineEdit *edit = combo->lineEdit();
        QVERIFY(edit);
        QCOMPARE(edit->text(), names.at(1));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCompleter *finder = combo->completer();
        if (QTest::currentDataTag() == QLatin1String("offer picked")) {
            // Offers: names containing the text, in any case, from the one catalogue.
            QCOMPARE(finder->model(), ZelVariable::catalogueModel());
            QCOMPARE(finder->completionCount(), 2);
            QTRY_VERIFY(finder->popup()->isVisible());
            QTest::keyClick(finder->popup(), Qt::Key_Down);
            QTest::keyClick(finder->popup(), Qt::Key_Down);
            QTest::keyClick(finder->popup(), Qt::Key_Return);
        }
        emit edit->editingFinished(); // the user leaves the field
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(combo->currentText(), index < 0 ? QString() : names.at(index));
        QCOMPARE(edit->text(), combo->currentText());
    }

    // The index behind "first name starting with" agrees with a plain
    // combo's findData over names that share prefixes, differ in case, are
    // empty or hold characters outside the BMP; every other search of the
    // catalogue agrees with a plain list model's.
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
        ZelVariable selector;
        QStringList prefixes{QString(), "", "zz", QString::fromUcs4(U"\U00010400")};
        for (int i = 0; i < 400; ++i) {
            const QString cut =
                count ? names.at(random.bounded(count)).left(random.bounded(4)) : "";
            prefixes << cut << cut.toUpper() << cut.toLower() << randomName(3);
        }
        QStringListModel list(names);
        QAbstractItemModel *catalogue = ZelVariable::catalogueModel();
        const int types[] = {Qt::MatchStartsWith, Qt::MatchContains, Qt::MatchFixedString,
                             Qt::MatchWildcard};
        const int roles[] = {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole};
        for (const QString &prefix : prefixes) {
            const int start = random.bounded(2) ? 0 : random.bounded(qMax(1, count));
            const int role = roles[random.bounded(3)], hits = random.bounded(4) - 1;
            const Qt::MatchFlags how(types[random.bounded(4)] | Qt::MatchWrap * random.bounded(2)
                                     | Qt::MatchCaseSensitive * random.bounded(2));
            // One search in sixteen: a plain model's search of every row is slow.
            const auto rows = [&](QAbstractItemModel *model) {
                QList<int> found;
                for (const QModelIndex &i :
                     model->match(model->index(start, 0), role, prefix, hits, how))
                    found << i.row();
                return found;
            };
            QVERIFY2(random.bounded(16) || rows(catalogue) == rows(&list),
                     qPrintable(QString::asprintf("%d %d %d %d ", start, role, hits, int(how))
                                + prefix));
            for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
                const Qt::MatchFlags flags =
                    Qt::MatchStartsWith | (cs ? Qt::MatchCaseSensitive : Qt::MatchFlags());
                const int expected = reference.findData(prefix, Qt::DisplayRole, flags);
                const QByteArray why = (prefix + (cs ? " (case)" : "")).toUtf8();
                QVERIFY2(ZelVariable::findFirstStartingWith(prefix, cs) == expected, why.data());
                QVERIFY2(selector.comboBox()->findData(prefix, Qt::DisplayRole, flags) == expected,
                         why.data());
            }
        }
    }

    // The picker shows the current choice, however far down the catalogue.
    void pickerOpensAtChoice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::newRow("first entry") << 0;
        QTest::newRow("last entry") << 49999;
    }
    void pickerOpensAtChoice()
    {
        QFETCH(int, choice);
        ZelVariable::setAvailableVariables(numberedNames("CELL4.ENGINE.CHANNEL_%d", 50000));
        ZelVariable selector;
        QComboBox *combo = selector.comboBox();
        combo->setCurrentIndex(choice);
        QVERIFY(focusSelector(selector));
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex current = list->model()->index(choice, 0);
        QCOMPARE(list->currentIndex(), current);
        const QRect shown = list->visualRect(current);
        QVERIFY(shown.top() >= 0 && shown.bottom() <= list->viewport()->rect().bottom());
        combo->hidePopup();
    }

    // A host's end with a picker and the finder's offers open: no crash,
    // however the host orders the deletes.
    void exitIsClean_data()
    {
        QTest::addColumn<QString>("order");
        QTest::newRow("window deleted before the application") << "before";
        QTest::newRow("window deleted after the application") << "after";
        QTest::newRow("window never deleted") << "never";
    }
    void exitIsClean()
    {
        QFETCH(QString, order);
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--exit-scene", order});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.data());
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
