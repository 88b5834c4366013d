#pragma once

// The About dialog: the program's logo in a raised frame, a fixed size, no buttons; on a screen at
// twice the density the logo is drawn at twice the size.

#include <QDialog>
#include <QPixmap>

class QGridLayout;
class QLabel;

class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
        Qt::WindowFlags fl = Qt::WindowFlags());
    ~About() override;

    QLabel* pixLogo;

    // The logo as the dialog shows it on a screen of that density.
    QPixmap logoFor(qreal devicePixelRatio) const;

protected:
    QGridLayout* AboutLayout;

protected slots:
    virtual void languageChange();

private:
    QPixmap image0;
    QPixmap image1;
};
