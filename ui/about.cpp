#include "about.h"

#include <QGridLayout>
#include <QLabel>

About::About(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl), pixLogo(nullptr), AboutLayout(nullptr)
{
    setModal(modal);
    setObjectName(name ? name : "About");
    languageChange();
}

About::~About() = default;

void About::languageChange()
{
    setWindowTitle(tr("Ostrevan Software"));
}
