#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <vector>

namespace kestrel {

// Lays pictures out in rows under section headings, each with its label beneath, on a sheet of
// fixed width that grows downwards.
class ContactSheet {
public:
    explicit ContactSheet(int width);

    void section(const QString& title);
    void add(const QPixmap& picture, const QString& label);
    QImage render() const;

private:
    struct Item {
        QPixmap picture;
        QString label;
        QPoint at;
    };
    struct Heading {
        QString title;
        int y;
    };
    void newRow();

    int width_;
    int x_ = 0;
    int y_ = 0;
    int rowHeight_ = 0;
    std::vector<Item> items_;
    std::vector<Heading> headings_;
};

}  // namespace kestrel
