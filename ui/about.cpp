#include "about.h"

#include "about_images.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

About::About(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl), pixLogo(nullptr), AboutLayout(nullptr)
{
    setModal(modal);
    image0.loadFromData(image0_data, sizeof(image0_data), "PNG");
    image1 = QPixmap(image1_data);
    setObjectName(name ? name : "About");
    setWindowIcon(image0);

    AboutLayout = new QGridLayout(this);
    AboutLayout->setObjectName("AboutLayout");
    AboutLayout->setContentsMargins(0, 0, 0, 0);
    AboutLayout->setSpacing(6);
    AboutLayout->setSizeConstraint(QLayout::SetFixedSize);

    pixLogo = new QLabel(this);
    pixLogo->setObjectName("pixLogo");
    // A plain raised panel: the nearest Qt 6 has to a raised pop-up panel.
    pixLogo->setFrameShape(QFrame::Panel);
    pixLogo->setFrameShadow(QFrame::Raised);
    pixLogo->setLineWidth(1);
    pixLogo->setPixmap(image1);
    pixLogo->setScaledContents(false);
    pixLogo->setAlignment(Qt::AlignCenter);
    AboutLayout->addWidget(pixLogo, 0, 0);

    languageChange();
    resize(QSize(304, 258).expandedTo(minimumSizeHint()));
}

About::~About() = default;

void About::languageChange()
{
    setWindowTitle(tr("Ostrevan Software"));
}
