// Variable selectors: one shared catalogue, consistent choice and text,
// type-to-find, and the indexed prefix lookup the dialog loads them with.
#include <interfaces/spreadsheet.h>

#include <QAbstractItemModelTester>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

namespace {

QStringList numberedNames(const QString &stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << stem.arg(i);
    return names;
}

// Names over a small alphabet with case pairs, non-ASCII letters and a
// character outside the BMP, so that prefixes collide often.
QString randomName(QRandomGenerator &random, int maxLength)
{
    static const QString alphabet = QStringLiteral("aAbBtT_1\u00e9\u00c9\u03c9\u03a9\u00df")
                                    + QString::fromUcs4(U"\U00010400\U00010428");
    const int length = random.bounded(maxLength + 1);
    QString name;
    for (int i = 0; i < length; ++i) {
        const int pick = random.bounded(alphabet.size() - 2 + 2); // last two units form pairs
        if (pick >= alphabet.size() - 2)
            name += alphabet.mid(pick == alphabet.size() - 2 ? alphabet.size() - 4
                                                             : alphabet.size() - 2,
                                 2);
        else
            name += alphabet.at(pick);
    }
    return name;
}

// Brings the selector to the user: shown, active, with the keyboard focus.
bool focusSelector(ZelVariable &selector)
{
    selector.show();
    selector.activateWindow();
    if (!QTest::qWaitForWindowActive(&selector))
        return false;
    selector.setFocus();
    return QTest::qWaitFor([&selector]() { return selector.comboBox()->hasFocus(); });
}

// Records what the item models report about indexes they were handed but
// cannot use (QAbstractItemModel::checkIndex).
class CheckIndexRecorder
{
public:
    CheckIndexRecorder()
    {
        s_messages.clear();
        s_previous = qInstallMessageHandler(record);
    }
    ~CheckIndexRecorder() { qInstallMessageHandler(s_previous); }
    static const QStringList &messages() { return s_messages; }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (context.category
            && qstrcmp(context.category, "qt.core.qabstractitemmodel.checkindex") == 0)
            s_messages << message;
        else if (s_previous)
            s_previous(type, context, message);
    }
    static QStringList s_messages;
    static QtMessageHandler s_previous;
};
QStringList CheckIndexRecorder::s_messages;
QtMessageHandler CheckIndexRecorder::s_previous = nullptr;

enum class Scene { TablesOfEveryKind, SelectorsInUse, NoCatalogue, RecorderHearsModels };

QString swapCase(const QString &text)
{
    QString swapped;
    for (const uint c : text.toUcs4()) {
        const uint other = QChar::isUpper(c) ? QChar::toLower(c) : QChar::toUpper(c);
        swapped += QString::fromUcs4(&other, 1);
    }
    return swapped;
}

// A host's end, run in a child process: a window with a variable table in
// which the user opened a picker, typed into its list and into the field
// (whose offers stay open); then the host destroys the window and the
// application in the given order. The window is only reachable from here
// when it is never deleted.
QWidget *exitSceneWindow = nullptr;

int runExitScene(int argc, char **argv, const QByteArray &order)
{
    auto *app = new QApplication(argc, argv);
    ZelVariable::setAvailableVariables(numberedNames(QStringLiteral("SIG_%1"), 2000));
    exitSceneWindow = new QWidget;
    auto *table = new Spreadsheet(exitSceneWindow);
    (new QVBoxLayout(exitSceneWindow))->addWidget(table);
    table->setColumnCount(5);
    table->setSpreadsheetKind(Spreadsheet::XYVarKind);
    table->setRowCount(2);
    exitSceneWindow->show();
    auto *selector = qobject_cast<ZelVariable *>(table->cellWidget(0, 1));
    if (!selector || !focusSelector(*selector))
        return 2;
    QComboBox *combo = selector->comboBox();
    combo->showPopup();
    QTest::keyClicks(combo->view(), QStringLiteral("SIG_12"));
    combo->hidePopup();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("SIG_19"));
    if (!combo->completer()
        || !QTest::qWaitFor([combo]() { return combo->completer()->popup()->isVisible(); }))
        return 3;
    // A user closes a dialog before the host winds down.
    exitSceneWindow->hide();
    if (order == "before") {
        delete std::exchange(exitSceneWindow, nullptr);
        delete app;
    } else if (order == "after") {
        delete app;
        delete std::exchange(exitSceneWindow, nullptr);
    } else {
        delete app;
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestSpreadsheetSelectors : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void catalogueModelIsSound();
    void selectorsShareOneModel();
    void newSelectorChoosesNothing();
    void newCatalogueKeepsChoicesByName_data();
    void newCatalogueKeepsChoicesByName();
    void textFollowsChoice_data();
    void textFollowsChoice();
    void typedText_data();
    void typedText();
    void typeToFindOffersContainingNames();
    void prefixLookupMatchesFindData_data();
    void prefixLookupMatchesFindData();
    void nonFirstMatchesAreNotIndexed();
    void noInvalidIndexQuestions_data();
    void noInvalidIndexQuestions();
    void longNamesStayApart_data();
    void longNamesStayApart();
    void pickerOpensAtChoice_data();
    void pickerOpensAtChoice();
    void exitIsClean_data();
    void exitIsClean();
};

void TestSpreadsheetSelectors::cleanup()
{
    ZelVariable::setAvailableVariables(QStringList());
}

void TestSpreadsheetSelectors::catalogueModelIsSound()
{
    QAbstractItemModel *model = ZelVariable::catalogueModel();
    QVERIFY(model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    ZelVariable selector; // a view on the model while it changes
    for (int count : {3, 0, 1000, 1}) {
        ZelVariable::setAvailableVariables(numberedNames(QStringLiteral("VAR_%1"), count));
        QCOMPARE(model->rowCount(), count);
        QCOMPARE(model->columnCount(), 1);
        if (count > 0) {
            QCOMPARE(model->index(count - 1, 0).data().toString(),
                     QStringLiteral("VAR_%1").arg(count - 1));
            QCOMPARE(model->index(0, 0).data(Qt::EditRole).toString(), QStringLiteral("VAR_0"));
        }
        QVERIFY(!model->index(count, 0).isValid());
    }
}

void TestSpreadsheetSelectors::selectorsShareOneModel()
{
    const QStringList names = numberedNames(QStringLiteral("SIG_%1"), 5000);
    ZelVariable::setAvailableVariables(names);
    std::vector<std::unique_ptr<ZelVariable>> selectors;
    for (int i = 0; i < 128; ++i)
        selectors.emplace_back(new ZelVariable);
    for (const auto &selector : selectors) {
        QCOMPARE(selector->comboBox()->model(), ZelVariable::catalogueModel());
        QCOMPARE(selector->comboBox()->count(), names.size());
    }
    QCOMPARE(ZelVariable::availableVariables(), names);

    // Every selector reads the one catalogue in its order.
    selectors[7]->comboBox()->setCurrentIndex(4321);
    QCOMPARE(selectors[7]->comboBox()->currentText(), QStringLiteral("SIG_4321"));
    QCOMPARE(selectors[8]->comboBox()->currentIndex(), -1);
}

void TestSpreadsheetSelectors::newSelectorChoosesNothing()
{
    ZelVariable::setAvailableVariables({QStringLiteral("A"), QStringLiteral("B")});
    ZelVariable selector;
    QCOMPARE(selector.comboBox()->currentIndex(), -1);
    QCOMPARE(selector.comboBox()->currentText(), QString());
}

void TestSpreadsheetSelectors::newCatalogueKeepsChoicesByName_data()
{
    const QStringList old = numberedNames(QStringLiteral("OLD_%1"), 10);
    QStringList gone = old;
    gone.removeAll(QStringLiteral("OLD_3"));
    QTest::addColumn<QStringList>("fresh");
    QTest::newRow("one more channel in front") << (QStringList{QStringLiteral("NEW")} + old);
    QTest::newRow("a chosen name gone") << gone;
    QTest::newRow("every name new")
        << QStringList{QStringLiteral("NEW_A"), QStringLiteral("NEW_B")};
    QTest::newRow("emptied") << QStringList();
}

// Each selector keeps its choice by name where the name is still offered;
// the others have none, also when the old names come back.
void TestSpreadsheetSelectors::newCatalogueKeepsChoicesByName()
{
    QFETCH(QStringList, fresh);
    const QStringList old = numberedNames(QStringLiteral("OLD_%1"), 10);
    ZelVariable::setAvailableVariables(old);
    ZelVariable selectors[3];
    selectors[0].comboBox()->setCurrentIndex(3);
    selectors[1].comboBox()->setCurrentIndex(9);
    QVERIFY(focusSelector(selectors[1])); // a type-to-find field shows the name

    ZelVariable::setAvailableVariables(fresh);
    QCOMPARE(ZelVariable::availableVariables(), fresh);
    const QString chosen[3] = {QStringLiteral("OLD_3"), QStringLiteral("OLD_9"), QString()};
    for (int i = 0; i < 3; ++i) {
        const int row = chosen[i].isNull() ? -1 : fresh.indexOf(chosen[i]);
        QComboBox *combo = selectors[i].comboBox();
        QCOMPARE(combo->count(), fresh.size());
        QCOMPARE(combo->currentIndex(), row);
        QCOMPARE(combo->currentText(), row < 0 ? QString() : chosen[i]);
        if (combo->lineEdit())
            QCOMPARE(combo->lineEdit()->text(), combo->currentText());
        // The prefix index follows the new names.
        if (!chosen[i].isNull())
            QCOMPARE(ZelVariable::findFirstStartingWith(chosen[i], Qt::CaseSensitive), row);
    }

    ZelVariable::setAvailableVariables(old);
    for (int i = 0; i < 3; ++i) {
        const bool kept = !chosen[i].isNull() && fresh.contains(chosen[i]);
        QCOMPARE(selectors[i].comboBox()->currentText(), kept ? chosen[i] : QString());
    }
}

void TestSpreadsheetSelectors::textFollowsChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("first") << 0;
    QTest::newRow("last") << 2;
    QTest::newRow("none") << -1;
}

void TestSpreadsheetSelectors::textFollowsChoice()
{
    QFETCH(int, index);
    const QStringList names{QStringLiteral("TEMP"), QStringLiteral("TEMP_1"),
                            QStringLiteral("\u00d6L_DRUCK")};
    ZelVariable::setAvailableVariables(names);
    ZelVariable selector;
    selector.comboBox()->setCurrentIndex(1);
    selector.comboBox()->setCurrentIndex(index);
    QCOMPARE(selector.comboBox()->currentIndex(), index);
    QCOMPARE(selector.comboBox()->currentText(), index < 0 ? QString() : names.at(index));
}

void TestSpreadsheetSelectors::typedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    // The selector starts on TEMP_1 (index 1).
    QTest::newRow("a catalogue name") << QStringLiteral("PRESSURE") << 2;
    QTest::newRow("no such name") << QStringLiteral("TEMPX") << 1;
    QTest::newRow("name in other case") << QStringLiteral("pressure") << 2;
    QTest::newRow("part of a name") << QStringLiteral("PRESS") << 1;
    QTest::newRow("emptied") << QString() << -1;
}

void TestSpreadsheetSelectors::typedText()
{
    QFETCH(QString, typed);
    QFETCH(int, index);
    const QStringList names{QStringLiteral("TEMP"), QStringLiteral("TEMP_1"),
                            QStringLiteral("PRESSURE")};
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
    emit edit->editingFinished(); // the user leaves the field

    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(combo->currentText(), index < 0 ? QString() : names.at(index));
    QCOMPARE(edit->text(), combo->currentText());
}

void TestSpreadsheetSelectors::typeToFindOffersContainingNames()
{
    QStringList names = numberedNames(QStringLiteral("ENGINE_%1_SPEED"), 300);
    names << QStringLiteral("oil_pressure") << QStringLiteral("FUEL_PRESSURE");
    ZelVariable::setAvailableVariables(names);
    ZelVariable selector;
    QComboBox *combo = selector.comboBox();
    combo->setCurrentIndex(5);
    QVERIFY(focusSelector(selector));
    QVERIFY(combo->lineEdit());
    QCompleter *finder = combo->completer();
    QVERIFY(finder);
    QCOMPARE(finder->model(), ZelVariable::catalogueModel()); // no copy of the catalogue

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("pressure"));
    QAbstractItemModel *offered = finder->completionModel();
    QCOMPARE(offered->rowCount(), 2);
    QStringList found;
    for (int row = 0; row < offered->rowCount(); ++row)
        found << offered->index(row, 0).data().toString();
    QCOMPARE(found, (QStringList{QStringLiteral("oil_pressure"), QStringLiteral("FUEL_PRESSURE")}));

    // Picking the second offer in the popup chooses that catalogue entry.
    QTRY_VERIFY(finder->popup()->isVisible());
    QTest::keyClick(finder->popup(), Qt::Key_Down);
    QTest::keyClick(finder->popup(), Qt::Key_Down);
    QTest::keyClick(finder->popup(), Qt::Key_Return);
    QTRY_VERIFY(!finder->popup()->isVisible());
    QCOMPARE(combo->currentIndex(), names.indexOf(QStringLiteral("FUEL_PRESSURE")));
    QCOMPARE(combo->currentText(), QStringLiteral("FUEL_PRESSURE"));
}

void TestSpreadsheetSelectors::prefixLookupMatchesFindData_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("empty catalogue") << 1u << 0 << 4;
    QTest::newRow("one name") << 2u << 1 << 3;
    QTest::newRow("short names, many collisions") << 3u << 300 << 3;
    QTest::newRow("longer names") << 4u << 2000 << 8;
    QTest::newRow("another seed") << 5u << 700 << 5;
}

void TestSpreadsheetSelectors::prefixLookupMatchesFindData()
{
    QFETCH(quint32, seed);
    QFETCH(int, count);
    QFETCH(int, maxLength);
    QRandomGenerator random(seed);
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << randomName(random, maxLength);
    if (count > 10)
        names[count / 2] = QStringLiteral(""); // an empty entry among them

    ZelVariable::setAvailableVariables(names);
    QComboBox reference; // the plain combo the lookup must agree with
    reference.addItems(names);
    ZelVariable selector;

    QStringList prefixes{QString(), QStringLiteral(""), QStringLiteral("zz"),
                         QString::fromUcs4(U"\U00010400")};
    for (int i = 0; i < 400; ++i) {
        const QString name = count ? names.at(random.bounded(count)) : QString();
        const QString cut = name.left(random.bounded(name.size() + 1));
        prefixes << cut << swapCase(cut) << cut.toUpper() << randomName(random, 3);
    }
    for (const QString &prefix : prefixes) {
        for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            const Qt::MatchFlags flags =
                Qt::MatchStartsWith
                | (cs == Qt::CaseSensitive ? Qt::MatchCaseSensitive : Qt::MatchFlags());
            const int expected = reference.findData(prefix, Qt::DisplayRole, flags);
            const QString why = QStringLiteral("prefix \"%1\" (%2)")
                                    .arg(prefix, cs == Qt::CaseSensitive ? "case" : "no case");
            QVERIFY2(ZelVariable::findFirstStartingWith(prefix, cs) == expected, qPrintable(why));
            // The selector's own findData is answered from the same index.
            QVERIFY2(selector.comboBox()->findData(prefix, Qt::DisplayRole, flags) == expected,
                     qPrintable(why));
        }
    }
}

void TestSpreadsheetSelectors::nonFirstMatchesAreNotIndexed()
{
    // Searches other than "first from the top" give what any model gives.
    const QStringList names{QStringLiteral("ab"), QStringLiteral("AB_2"), QStringLiteral("x"),
                            QStringLiteral("abc")};
    ZelVariable::setAvailableVariables(names);
    QComboBox reference;
    reference.addItems(names);
    QAbstractItemModel *catalogue = ZelVariable::catalogueModel();
    auto rows = [](const QModelIndexList &found) {
        QList<int> r;
        for (const QModelIndex &index : found)
            r << index.row();
        return r;
    };
    const QVariant ab(QStringLiteral("ab"));
    QCOMPARE(rows(catalogue->match(catalogue->index(0, 0), Qt::DisplayRole, ab, -1,
                                   Qt::MatchStartsWith)),
             rows(reference.model()->match(reference.model()->index(0, 0), Qt::DisplayRole, ab, -1,
                                           Qt::MatchStartsWith)));
    QCOMPARE(rows(catalogue->match(catalogue->index(1, 0), Qt::DisplayRole, ab, 1,
                                   Qt::MatchStartsWith)),
             QList<int>{1});
    QCOMPARE(rows(catalogue->match(catalogue->index(2, 0), Qt::DisplayRole, ab, 1,
                                   Qt::MatchStartsWith | Qt::MatchCaseSensitive | Qt::MatchWrap)),
             QList<int>{3});
    QCOMPARE(reference.findText(QStringLiteral("x")), 2);
    QCOMPARE(ZelVariable::findFirstStartingWith(QStringLiteral("x"), Qt::CaseSensitive), 2);
}

void TestSpreadsheetSelectors::noInvalidIndexQuestions_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::newRow("tables of every kind") << Scene::TablesOfEveryKind;
    QTest::newRow("selectors in use") << Scene::SelectorsInUse;
    QTest::newRow("no catalogue") << Scene::NoCatalogue;
    // The recorder itself: a model handed an invalid index is heard.
    QTest::newRow("recorder hears models") << Scene::RecorderHearsModels;
}

// Building and using selectors and tables (the choice -1 included) hands no
// model an invalid index to answer for.
void TestSpreadsheetSelectors::noInvalidIndexQuestions()
{
    QFETCH(Scene, scene);
    if (scene != Scene::NoCatalogue)
        ZelVariable::setAvailableVariables(numberedNames(QStringLiteral("CH_%1"), 300));
    CheckIndexRecorder recorder;
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    switch (scene) {
    case Scene::TablesOfEveryKind:
        for (int kind : {Spreadsheet::YAxesKind, Spreadsheet::XAxisKind, Spreadsheet::XYVarKind,
                         Spreadsheet::XYOverlayKind, Spreadsheet::AllGraphsKind}) {
            auto *table = new Spreadsheet;
            table->setSpreadsheetKind(kind);
            table->setGraphNumber(1);
            if (kind == Spreadsheet::AllGraphsKind) {
                table->insertAllVarRow(0, 0);
                table->insertAllOverlayRow(1, 0);
            } else {
                table->setRowCount(2);
            }
            layout->addWidget(table);
        }
        break;
    case Scene::SelectorsInUse:
    case Scene::NoCatalogue:
        for (int i = 0; i < 3; ++i)
            layout->addWidget(new ZelVariable);
        layout->addWidget(new ComboBoxWidget);
        break;
    case Scene::RecorderHearsModels:
        break;
    }
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QApplication::processEvents();
    const QList<ZelVariable *> selectors = page.findChildren<ZelVariable *>();
    if (scene == Scene::SelectorsInUse || scene == Scene::NoCatalogue) {
        // Focus makes a selector a type-to-find field; then a choice, no
        // choice, typed text and a new catalogue.
        QVERIFY(focusSelector(*selectors.first()));
        QComboBox *combo = selectors.first()->comboBox();
        combo->setCurrentIndex(combo->count() > 5 ? 5 : -1);
        combo->setCurrentIndex(-1);
        QTest::keyClicks(combo, QStringLiteral("CH_1"));
        QApplication::processEvents();
        combo->lineEdit()->clear();
        ZelVariable::setAvailableVariables(numberedNames(QStringLiteral("NEW_%1"), 10));
        auto *channels = page.findChild<ComboBoxWidget *>();
        channels->setComboBoxContentsList({QStringLiteral("TIME"), QStringLiteral("N1")});
        channels->setComboBoxCurrentIndex(-1);
        QCOMPARE(channels->getComboBoxCurrentText(), QString());
        QApplication::processEvents();
    }
    if (scene == Scene::RecorderHearsModels) {
        QStringListModel model({QStringLiteral("A")});
        QVERIFY(model.itemData(QModelIndex()).isEmpty());
        QVERIFY(!CheckIndexRecorder::messages().isEmpty());
        return;
    }
    QVERIFY2(CheckIndexRecorder::messages().isEmpty(),
             qPrintable(CheckIndexRecorder::messages().join('\n')));
}

void TestSpreadsheetSelectors::longNamesStayApart_data()
{
    QTest::addColumn<bool>("selector");
    QTest::newRow("variable selectors") << true;
    QTest::newRow("channel combos") << false;
}

// Two names that differ only at their end, in combos too narrow for them,
// do not look alike.
void TestSpreadsheetSelectors::longNamesStayApart()
{
    QFETCH(bool, selector);
    const QStringList names{QStringLiteral("CELL4.ENGINE.CYLINDER_HEAD_TEMPERATURE_01"),
                            QStringLiteral("CELL4.ENGINE.CYLINDER_HEAD_TEMPERATURE_02")};
    ZelVariable::setAvailableVariables(names);
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    layout->addWidget(new QLineEdit); // takes the window's first focus
    QComboBox *combos[2];
    for (int i = 0; i < 2; ++i) {
        if (selector) {
            auto *cell = new ZelVariable;
            combos[i] = cell->comboBox();
            layout->addWidget(cell);
        } else {
            auto *cell = new ComboBoxWidget;
            cell->setComboBoxContentsList(names);
            combos[i] = cell->comboBox();
            layout->addWidget(cell);
        }
        combos[i]->setCurrentIndex(i);
        combos[i]->setFixedWidth(180);
    }
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(combos[0]->fontMetrics().horizontalAdvance(names.at(0)) > combos[0]->width());
    QVERIFY(combos[0]->grab().toImage() != combos[1]->grab().toImage());
}

void TestSpreadsheetSelectors::pickerOpensAtChoice_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("far down a large catalogue") << 1000;
    QTest::newRow("last entry") << 49999;
    QTest::newRow("first entry") << 0;
}

void TestSpreadsheetSelectors::pickerOpensAtChoice()
{
    QFETCH(int, choice);
    ZelVariable::setAvailableVariables(
        numberedNames(QStringLiteral("CELL4.ENGINE.CHANNEL_%1"), 50000));
    ZelVariable selector;
    QComboBox *combo = selector.comboBox();
    combo->setCurrentIndex(choice);
    QVERIFY(focusSelector(selector));
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex current = list->model()->index(choice, 0);
    QCOMPARE(list->currentIndex(), current);
    QVERIFY(list->selectionModel()->isSelected(current));
    const QRect shown = list->visualRect(current);
    const QRect area = list->viewport()->rect();
    QVERIFY2(shown.isValid() && shown.top() >= area.top() && shown.bottom() <= area.bottom(),
             qPrintable(QStringLiteral("entry at y %1 of %2").arg(shown.y()).arg(area.height())));
    combo->hidePopup();
}

void TestSpreadsheetSelectors::exitIsClean_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("window deleted before the application") << QStringLiteral("before");
    QTest::newRow("window deleted after the application") << QStringLiteral("after");
    QTest::newRow("window never deleted") << QStringLiteral("never");
}

void TestSpreadsheetSelectors::exitIsClean()
{
    QFETCH(QString, order);
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--exit-scene"), order});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit, output.constData());
    QVERIFY2(child.exitCode() == 0, output.constData());
}

// The exit scenes run in a child process of this very executable.
int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--exit-scene") == 0)
        return runExitScene(argc, argv, argv[2]);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSpreadsheetSelectors test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_spreadsheet_selectors.moc"
