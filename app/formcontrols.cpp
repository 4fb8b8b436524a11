#include "app/formcontrols.h"

#include "controls/image.h"
#include "controls/mgcheckbox.h"

TMGCheckbox *createSwitch(QWidget *parent, const char *name, const SwitchLayout &layout, Artwork::Switch which)
{
    auto *toggle = new TMGCheckbox(parent);
    toggle->setObjectName(QString::fromLatin1(name));
    toggle->move(layout.at);
    toggle->setBitmapUnchecked(Artwork::switchPicture(which, false));
    toggle->setBitmapChecked(Artwork::switchPicture(which, true));
    toggle->setDoubleSizeBitmaps([which] { return Artwork::switchPicture(which, false, 2); },
                                 [which] { return Artwork::switchPicture(which, true, 2); });
    toggle->setMinXUnChecked(layout.uncheckedZone.left());
    toggle->setMinYUnChecked(layout.uncheckedZone.top());
    toggle->setMaxXUnChecked(layout.uncheckedZone.right());
    toggle->setMaxYUnChecked(layout.uncheckedZone.bottom());
    toggle->setMinXChecked(layout.checkedZone.left());
    toggle->setMinYChecked(layout.checkedZone.top());
    toggle->setMaxXChecked(layout.checkedZone.right());
    toggle->setMaxYChecked(layout.checkedZone.bottom());
    return toggle;
}

TImage *createPicture(QWidget *parent, const QString &name, const QRect &frame,
                      const std::function<QImage(int scale)> &picture, Start start)
{
    auto *image = new TImage(parent);
    image->setObjectName(name);
    image->setGeometry(frame);
    const auto doubleSize = [picture] { return picture(2); };
    if (start == Start::Hidden) {
        image->setPictureSource([picture] { return picture(1); }, doubleSize);
        image->hide();
    } else {
        image->setPicture(picture(1), doubleSize);
    }
    return image;
}
