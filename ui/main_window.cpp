#include "ui/main_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "core/locator.h"
#include "ui/azimuth_dial.h"
#include "ui/needle.h"

namespace velmoro {

namespace {

/// A text box of the window, in twips, and the caption that names it, if any.
struct FieldLayout {
    Field field;
    const char* name;
    QRect twips;  // left, top, width, height
    bool visible;
    const char* caption;
    QRect captionTwips;
};

const FieldLayout FIELD_LAYOUT[] = {
    {Field::Text3, "Text3", {5040, 360, 1215, 375}, true, "Locatore 1", {3600, 480, 1335, 375}},
    {Field::Text5, "Text5", {5040, 840, 1215, 375}, true, "Locatore 2", {3600, 960, 1335, 255}},
    {Field::Text6, "Text6", {5040, 1320, 1215, 375}, true, "Km", {3600, 1440, 1095, 255}},
    {Field::Text1, "Text1", {5040, 1800, 1215, 375}, true, "Puntamento", {3600, 1920, 1215, 255}},
    {Field::Text2, "Text2", {3720, 4920, 1215, 375}, false, nullptr, {}},
    {Field::Text7, "Text7", {5160, 4920, 1095, 375}, false, nullptr, {}},
    {Field::Text4, "Text4", {3720, 5400, 1215, 375}, false, nullptr, {}},
    {Field::Text8, "Text8", {5160, 5400, 1095, 375}, false, nullptr, {}},
};

const char* const LABEL_NAMES[] = {"Label1", "Label2", "Label3", "Label4"};

QRect pixels(const QRect& twips) {
    return MainWindow::fromTwips(twips.x(), twips.y(), twips.width(), twips.height());
}

QString toQString(const Text& text) {
    return QString::fromStdU32String(text);
}

/// Characters as the user sees them, so that a letter outside the basic plane counts once.
qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

/// The window's compass in the sizes a title bar and a task switcher use; the desktop's larger
/// sizes come from the installed icon theme.
QIcon compassIcon() {
    QIcon icon(QStringLiteral(":/assets/icon-24-256colours.png"));
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

QRect MainWindow::fromTwips(int left, int top, int width, int height) {
    auto px = [](int twips) { return qRound(twips / double(TWIPS_PER_PIXEL)); };
    return QRect(px(left), px(top), px(width), px(height));
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Velmoro utility 1.2 - Tarnwick"));
    setWindowIcon(compassIcon());

    picture1_ = new PictureBox(QStringLiteral(":/assets/compass-photo.png"), this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(fromTwips(0, 0, 2775, 6400));
    picture1_->setAccessibleName(tr("Fotografia di una bussola magnetica"));

    int labelIndex = 0;
    for (const FieldLayout& layout : FIELD_LAYOUT) {
        auto* edit = new QLineEdit(QStringLiteral("..."), this);
        edit->setObjectName(QLatin1String(layout.name));
        edit->setGeometry(pixels(layout.twips));
        // Qt's own limit of 32767 characters stays: far beyond any locator or result, and it keeps
        // a pasted megabyte from stalling the window for seconds in text layout.
        edit->setMaxLength(MAX_FIELD_LENGTH);
        fields_[static_cast<std::size_t>(layout.field)] = edit;
        if (!layout.visible) {
            edit->setText(QLatin1String(layout.name));
            edit->hide();
            continue;
        }
        auto* label = new QLabel(tr(layout.caption), this);
        label->setObjectName(QLatin1String(LABEL_NAMES[labelIndex++]));
        label->setGeometry(pixels(layout.captionTwips));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setBuddy(edit);
        edit->setAccessibleName(label->text());
    }

    command1_ = new QPushButton(tr("Calcola"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(fromTwips(3480, 2520, 1575, 375));
    command2_ = new QPushButton(tr("Esci"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(fromTwips(5160, 2520, 1455, 375));
    command3_ = new QPushButton(QStringLiteral("Command3"), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setGeometry(fromTwips(3120, 4920, 495, 375));
    command3_->hide();

    picCanvase_ = new AzimuthDial(this);
    picCanvase_->setGeometry(
        fromTwips(3960, 3120, AzimuthDial::SIZE_TWIPS, AzimuthDial::SIZE_TWIPS));

    // The hidden controls stand between these in the tab order, but only the visible ones take
    // the focus.
    setTabOrder(picture1_, field(Field::Text1));
    setTabOrder(field(Field::Text1), field(Field::Text3));
    setTabOrder(field(Field::Text3), field(Field::Text5));
    setTabOrder(field(Field::Text5), field(Field::Text6));
    setTabOrder(field(Field::Text6), command1_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, picCanvase_);
    picture1_->setFocus();

    connect(field(Field::Text3), &QLineEdit::textChanged, this, &MainWindow::text3Changed);
    connect(field(Field::Text5), &QLineEdit::textChanged, this, &MainWindow::text5Changed);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::command1Clicked);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::command2Clicked);
    connect(command3_, &QPushButton::clicked, this, &MainWindow::command3Clicked);

    // The controls keep their places when the window is resized; it opens centred.
    const QSize client =
        fromTwips(0, 0, CLIENT_SIZE_TWIPS.width(), CLIENT_SIZE_TWIPS.height()).size();
    resize(client);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client,
                                        screen->availableGeometry()));
    }
}

Text MainWindow::readText(Field which) const {
    return field(which)->text().toStdU32String();
}

void MainWindow::writeText(Field which, const Text& text) {
    field(which)->setText(toQString(text));
}

void MainWindow::refreshNeedle() {
    command3_->click();
}

void MainWindow::showNotice(const Text& message) {
    QMessageBox notice(QMessageBox::Warning, windowTitle(), toQString(message), QMessageBox::Ok,
                       this);
    notice.exec();
}

void MainWindow::upperCaseLocator(QLineEdit* edit) {
    const QString upper = toQString(upperCaseText(edit->text().toStdU32String()));
    // Writing only a changed text keeps the field's undo history while capitals are typed.
    if (upper != edit->text()) {
        edit->setText(upper);
    }
    edit->setCursorPosition(edit->text().size());
}

void MainWindow::text3Changed() {
    upperCaseLocator(field(Field::Text3));
}

void MainWindow::text5Changed() {
    QLineEdit* locator2 = field(Field::Text5);
    upperCaseLocator(locator2);
    constexpr qsizetype LOCATOR_LENGTH = 6;  // a complete locator starts the calculation
    if (characterCount(locator2->text()) == LOCATOR_LENGTH) {
        command1_->click();
    }
}

void MainWindow::command1Clicked() {
    runCalculation(*this);
}

void MainWindow::command2Clicked() {
    close();
}

void MainWindow::command3Clicked() {
    picCanvase_->refresh(field(Field::Text1)->text());
}

}  // namespace velmoro
