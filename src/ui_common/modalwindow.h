#pragma once

#include <QDialog>

namespace dayvane {

// The base of every window opened from the main window: modal, centred over
// the main window and kept inside the work area when it shows, F1 for the
// on-line help and (unless the window handles it) Escape to close.
class ModalWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ModalWindow(const QString &object_name, QWidget *parent = nullptr, bool escape_closes = true);

    // Shows the window modally through the interaction seam.
    int show_modal();

protected:
    // Makes the window resizable: never smaller than its layout needs at the
    // desktop's font, nor lower than `minimum_height` twips; it opens at the
    // size the user last gave it, else at its designed size (twips scaled
    // with the font; 0 for none) or what the layout needs, whichever is larger.
    void set_design_size(int width_twips, int height_twips, int minimum_height_twips);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // QDialog closes on Escape by itself; windows that decide what Escape
    // does get the key here instead.
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_escape_closes;
    bool m_resizable = false;
};

} // namespace dayvane
