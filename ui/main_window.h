// The window, Form2: two locator inputs, the distance and the azimuth, "Calcola" and "Esci", the
// compass dial and a photograph. It is also the field interface that every calculation run reads
// and writes.
#pragma once

#include <QWidget>
#include <array>

#include "core/calculation_run.h"

class QLineEdit;
class QPushButton;

namespace velmoro {

class AzimuthDial;
class PictureBox;

class MainWindow : public QWidget, public FieldInterface {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    Text readText(Field field) const override;
    void writeText(Field field, const Text& text) override;
    /// Presses the hidden Command3, which hands the azimuth text to the dial.
    void refreshNeedle() override;
    /// A modal message box with an OK button.
    void showNotice(const Text& message) override;

    /// Geometry in twips, 15 to a device-independent pixel.
    static QRect fromTwips(int left, int top, int width, int height);
    static constexpr QSize CLIENT_SIZE_TWIPS{7380, 6255};
    /// Characters a text field holds; a longer paste is cut there.
    static constexpr int MAX_FIELD_LENGTH = 32767;

private:
    void text3Changed();
    void text5Changed();
    void command1Clicked();
    void command2Clicked();
    void command3Clicked();
    /// Writes the upper-case form of a locator field back and puts the caret at its end.
    void upperCaseLocator(QLineEdit* field);

    std::array<QLineEdit*, FIELD_COUNT> fields_{};
    QLineEdit* field(Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    PictureBox* picture1_;
    AzimuthDial* picCanvase_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
};

}  // namespace velmoro
