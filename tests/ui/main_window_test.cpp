#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "ui/azimuth_dial.h"
#include "ui/main_window.h"

using velmoro::AzimuthDial;
using velmoro::MainWindow;

/// Presses OK on every notice box that opens while it lives, as a user would, so that a modal box
/// does not stop the test.
class NoticeCloser : public QObject {
public:
    NoticeCloser() {
        connect(&timer_, &QTimer::timeout, this, &NoticeCloser::closeNotice);
        timer_.start(5);
    }
    int count() const { return count_; }
    QString lastText() const { return lastText_; }

private:
    void closeNotice() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++count_;
            lastText_ = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    }

    QTimer timer_;
    int count_ = 0;
    QString lastText_;
};

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTheInitialTexts();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void resizingMovesNothing();
    void focusStartsOnThePhotographAndTabsInOrder();
    void captionsNameTheFieldsForScreenReaders();
    void typingALocatorPairCalculates_data();
    void typingALocatorPairCalculates();
    void editingTheMiddleMovesTheCaretToTheEnd();
    void typingIntoLocatore1NeverCalculates();
    void calcolaDoesNothingWhileLocatore2ShowsDots();
    void calcolaRecalculatesAfterEditingLocatore1();
    void typingIntoTheAzimuthDoesNotMoveTheNeedle();
    void tooLongLocatore1ShowsANoticeAndGoesOn();
    void esciClosesTheWindow();
    void pastingAMegabyteStaysResponsive_data();
    void pastingAMegabyteStaysResponsive();

private:
    QLineEdit* field(const char* name) const { return window_->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    AzimuthDial* dial() const { return window_->findChild<AzimuthDial*>("picCanvase"); }
    void typeInto(const char* name, const QString& text) {
        field(name)->clear();
        QTest::keyClicks(field(name), text);
    }

    MainWindow* window_ = nullptr;
};

void MainWindowTest::init() {
    window_ = new MainWindow;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void MainWindowTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void MainWindowTest::opensWithTheInitialTexts() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Velmoro utility 1.2 - Tarnwick"));
    QVERIFY(!window_->windowIcon().isNull());
    for (const char* name : {"Text1", "Text3", "Text5", "Text6"}) {
        QCOMPARE(field(name)->text(), QStringLiteral("..."));
        QVERIFY(field(name)->isVisible());
    }
    for (const char* name : {"Text2", "Text4", "Text7", "Text8"}) {
        QCOMPARE(field(name)->text(), QString::fromLatin1(name));
        QVERIFY(!field(name)->isVisible());
    }
    QVERIFY(!button("Command3")->isVisible());
    QCOMPARE(button("Command1")->text(), QStringLiteral("Calcola"));
    QCOMPARE(button("Command2")->text(), QStringLiteral("Esci"));
    const QStringList captions = {"Locatore 1", "Locatore 2", "Km", "Puntamento"};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))->text(),
                 captions[i]);
    }
    QCOMPARE(dial()->linAngleLine(), QLine(1210, 1210, 1210, 0));
}

void MainWindowTest::controlsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 2775, 6400);
    QTest::newRow("Label1") << "Label1" << QRect(3600, 480, 1335, 375);
    QTest::newRow("Label4") << "Label4" << QRect(3600, 1920, 1215, 255);
    QTest::newRow("Text3") << "Text3" << QRect(5040, 360, 1215, 375);
    QTest::newRow("Text1") << "Text1" << QRect(5040, 1800, 1215, 375);
    QTest::newRow("Text8") << "Text8" << QRect(5160, 5400, 1095, 375);
    QTest::newRow("Command1") << "Command1" << QRect(3480, 2520, 1575, 375);
    QTest::newRow("Command2") << "Command2" << QRect(5160, 2520, 1455, 375);
    QTest::newRow("Command3") << "Command3" << QRect(3120, 4920, 495, 375);
    QTest::newRow("picCanvase") << "picCanvase" << QRect(3960, 3120, 2535, 2535);
}

void MainWindowTest::controlsStandAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             MainWindow::fromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void MainWindowTest::resizingMovesNothing() {
    QCOMPARE(window_->size(), QSize(492, 417));
    const QRect dialBefore = dial()->geometry();
    const QRect fieldBefore = field("Text5")->geometry();
    window_->resize(900, 700);
    QCOMPARE(dial()->geometry(), dialBefore);
    QCOMPARE(field("Text5")->geometry(), fieldBefore);
}

void MainWindowTest::focusStartsOnThePhotographAndTabsInOrder() {
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
    const QStringList cycle = {"Text1",    "Text3",    "Text5",      "Text6",
                               "Command1", "Command2", "picCanvase", "Picture1"};
    for (const QString& expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

void MainWindowTest::captionsNameTheFieldsForScreenReaders() {
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Text3"}, {"Label2", "Text5"}, {"Label3", "Text6"}, {"Label4", "Text1"}};
    for (const auto& [label, text] : captions) {
        QCOMPARE(window_->findChild<QLabel*>(label)->buddy(), field(text));
        QCOMPARE(field(text)->accessibleName(), window_->findChild<QLabel*>(label)->text());
    }
    QVERIFY(!dial()->accessibleName().isEmpty());
}

void MainWindowTest::typingALocatorPairCalculates_data() {
    QTest::addColumn<QString>("locator1");
    QTest::addColumn<QString>("locator2");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("km");
    QTest::addColumn<QString>("azimuth");
    QTest::addColumn<QString>("shownLocator1");
    QTest::addColumn<QString>("shownLocator2");
    QTest::addColumn<QPoint>("needleEnd");

    QTest::newRow("lower-case sixth character runs twice") << "jn61fv"
                                                           << "jn45ol" << 2 << " 476"
                                                           << " 328"
                                                           << "JN61FV"
                                                           << "JN45OL" << QPoint(568, 183);
    QTest::newRow("upper-case sixth character runs once") << "JN61FV"
                                                          << "JN45OL" << 1 << " 476"
                                                          << " 328"
                                                          << "JN61FV"
                                                          << "JN45OL" << QPoint(568, 183);
    QTest::newRow("equal texts show azimuth 0") << "JN45AB"
                                                << "JN45AB" << 1 << " 0"
                                                << "0"
                                                << "JN45AB"
                                                << "JN45AB" << QPoint(1209, 0);
    QTest::newRow("square and its subsquare") << "jn45"
                                              << "JN45LL" << 1 << " 0"
                                              << " 270"
                                              << "JN45"
                                              << "JN45LL" << QPoint(0, 1209);
    QTest::newRow("second locator typed first") << "..."
                                                << "JN45AB" << 1 << "??????"
                                                << "??????"
                                                << ""
                                                << "" << QPoint(1209, 0);
    QTest::newRow("invalid lower-case run stops the outer one") << "..."
                                                                << "jn45ab" << 1 << "??????"
                                                                << "??????"
                                                                << ""
                                                                << "" << QPoint(1209, 0);
    QTest::newRow("latitude beyond the pole") << "JS45AB"
                                              << "JN45AB" << 1 << "??????"
                                              << "??????"
                                              << ""
                                              << "" << QPoint(1209, 0);
}

void MainWindowTest::typingALocatorPairCalculates() {
    QFETCH(QString, locator1);
    QFETCH(QString, locator2);
    QFETCH(int, runs);
    QSignalSpy calcola(button("Command1"), &QPushButton::clicked);
    if (locator1 != QStringLiteral("...")) {
        typeInto("Text3", locator1);
    }
    QCOMPARE(calcola.count(), 0);
    typeInto("Text5", locator2);
    QCOMPARE(calcola.count(), runs);
    QTEST(field("Text6")->text(), "km");
    QTEST(field("Text1")->text(), "azimuth");
    QTEST(field("Text3")->text(), "shownLocator1");
    QTEST(field("Text5")->text(), "shownLocator2");
    QTEST(dial()->linAngleLine().p2(), "needleEnd");
}

void MainWindowTest::editingTheMiddleMovesTheCaretToTheEnd() {
    for (const char* name : {"Text3", "Text5"}) {
        QLineEdit* locator = field(name);
        typeInto(name, "jn45");
        QCOMPARE(locator->text(), QStringLiteral("JN45"));
        QCOMPARE(locator->cursorPosition(), 4);
        locator->setCursorPosition(2);
        QTest::keyClick(locator, Qt::Key_X);
        QCOMPARE(locator->text(), QStringLiteral("JNX45"));
        QCOMPARE(locator->cursorPosition(), 5);
        QVERIFY(!locator->hasSelectedText());
    }
}

void MainWindowTest::typingIntoLocatore1NeverCalculates() {
    QSignalSpy calcola(button("Command1"), &QPushButton::clicked);
    for (const char* text : {"JN45AB", "jn61fv", "JN45ABC", "J"}) {
        typeInto("Text3", text);
    }
    QCOMPARE(calcola.count(), 0);
    QCOMPARE(field("Text6")->text(), QStringLiteral("..."));
}

void MainWindowTest::calcolaDoesNothingWhileLocatore2ShowsDots() {
    typeInto("Text3", "JN45AB");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(field("Text1")->text(), QStringLiteral("..."));
    QCOMPARE(field("Text6")->text(), QStringLiteral("..."));
    QCOMPARE(field("Text7")->text(), QStringLiteral("Text7"));
    QCOMPARE(dial()->linAngleLine().p2(), QPoint(1210, 0));
}

void MainWindowTest::calcolaRecalculatesAfterEditingLocatore1() {
    typeInto("Text3", "JN61FV");
    typeInto("Text5", "JN45OL");
    typeInto("Text3", "JN45OL");
    QCOMPARE(field("Text6")->text(), QStringLiteral(" 476"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(field("Text6")->text(), QStringLiteral(" 0"));
    QCOMPARE(field("Text1")->text(), QStringLiteral("0"));
}

void MainWindowTest::typingIntoTheAzimuthDoesNotMoveTheNeedle() {
    typeInto("Text1", " 90");
    QCOMPARE(dial()->linAngleLine().p2(), QPoint(1210, 0));
}

void MainWindowTest::tooLongLocatore1ShowsANoticeAndGoesOn() {
    NoticeCloser notices;
    typeInto("Text3", "JN45ABCD");
    typeInto("Text5", "JN45AB");
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices.lastText(),
             QString::fromStdU32String(std::u32string(velmoro::LOCATOR1_TOO_LONG_NOTICE)));
    QCOMPARE(field("Text6")->text(), QStringLiteral("??????"));
    QCOMPARE(field("Text3")->text(), QString());
}

void MainWindowTest::esciClosesTheWindow() {
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
}

void MainWindowTest::pastingAMegabyteStaysResponsive_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");  // the start of the field afterwards
    QTest::newRow("Locatore 1") << "Text3"
                                << "JN45AB";
    QTest::newRow("Locatore 2") << "Text5"
                                << "JN45AB";
    QTest::newRow("Km") << "Text6"
                        << "jn45ab";
    QTest::newRow("Puntamento") << "Text1"
                                << "jn45ab";
}

void MainWindowTest::pastingAMegabyteStaysResponsive() {
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QString megabyte;
    while (megabyte.size() < (1 << 20)) {
        megabyte += QStringLiteral("jn45ab");
    }
    QApplication::clipboard()->setText(megabyte);
    QLineEdit* pasted = field(name.toLatin1());
    QSignalSpy calcola(button("Command1"), &QPushButton::clicked);
    NoticeCloser notices;

    QElapsedTimer elapsed;
    elapsed.start();
    pasted->clear();
    pasted->setFocus();
    QTest::keySequence(pasted, QKeySequence::Paste);
    window_->repaint();
    QCOMPARE(pasted->text().size(), MainWindow::MAX_FIELD_LENGTH);
    QVERIFY(pasted->text().startsWith(kept));
    QCOMPARE(calcola.count(), 0);
    // A calculation on top: a too-long Locatore 1 gets its notice, any long locator "??????".
    const bool locatorPasted = name == QStringLiteral("Text3") || name == QStringLiteral("Text5");
    if (name != QStringLiteral("Text3")) {
        typeInto("Text3", "JN61FV");
    }
    if (name == QStringLiteral("Text5")) {
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
    } else {
        typeInto("Text5", "JN45OL");
    }
    window_->repaint();
    QVERIFY2(elapsed.elapsed() < 500, qPrintable(QStringLiteral("%1 ms").arg(elapsed.elapsed())));
    QCOMPARE(notices.count(), name == QStringLiteral("Text3") ? 1 : 0);
    QCOMPARE(field("Text6")->text(),
             locatorPasted ? QStringLiteral("??????") : QStringLiteral(" 476"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
