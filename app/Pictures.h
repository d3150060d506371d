#pragma once
// The main window's pictures (toolbar, menus, promotional pages), drawn rather than stored so
// they stay crisp and need no files.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace plumcrest {

enum class Picture {
    Reset,
    Update,
    Help,
    About,
    Exit,
    Web,
    Mail,
    Disclaimer,
    Suggest,
    Blog,
    Product,
};

QPixmap DrawPicture(Picture picture, int size);
// The greyed variant shown while the command is disabled.
QPixmap Greyed(const QPixmap& pixmap);
// Normal and greyed images in one icon.
QIcon PictureIcon(Picture picture, int size);
// A miniature window of one of the maker's products, for its promotional page.
QPixmap DrawProductScreenshot(const QString& title, const QColor& accent, QSize size);

} // namespace plumcrest
