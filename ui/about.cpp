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
    pixLogo->setPixmap(logoFor(devicePixelRatioF()));
    pixLogo->setScaledContents(false);
    pixLogo->setAlignment(Qt::AlignCenter);
    AboutLayout->addWidget(pixLogo, 0, 0);

    languageChange();
    resize(QSize(304, 258).expandedTo(minimumSizeHint()));
}

About::~About() = default;

// On a screen at a device pixel ratio above 1 the logo drawn at twice the size, which shows at the
// same 300 x 250 but sharp; elsewhere the palette image, pixel for pixel.
QPixmap About::logoFor(qreal devicePixelRatio) const
{
    if (devicePixelRatio <= 1)
        return image1;
    QPixmap sharp;
    if (!sharp.loadFromData(image2_data, sizeof(image2_data), "PNG"))
        return image1;
    sharp.setDevicePixelRatio(2);
    return sharp;
}

void About::languageChange()
{
    setWindowTitle(tr("Ostrevan Software"));
    pixLogo->setAccessibleName(tr("Velkaro logo"));
    pixLogo->setAccessibleDescription(tr("A file cut into four packages, c0 to c3, with the words "
                                         "split and join; below it Velkaro, by Ostrevan Software"));
}
