#pragma once

#include <QString>
#include <memory>

namespace word {

class Column {
public:
    virtual ~Column() = default;
    // Width in points.
    virtual void setWidth(double points) = 0;
    virtual double width() const = 0;
};

class Row {
public:
    virtual ~Row() = default;
    // The row's minimum height in points ("at least").
    virtual void setHeight(double points) = 0;
    virtual double height() const = 0;
};

class Table {
public:
    virtual ~Table() = default;

    // Columns and rows count from 1.
    virtual std::shared_ptr<Column> columns(int index) = 0;
    virtual std::shared_ptr<Row> rows(int index) = 0;

    virtual void setStyle(const QString &styleName) = 0;
    virtual QString style() const = 0;
    virtual void setApplyStyleHeadingRows(bool apply) = 0;
    virtual void setApplyStyleLastRow(bool apply) = 0;
    virtual void setApplyStyleFirstColumn(bool apply) = 0;
    virtual void setApplyStyleLastColumn(bool apply) = 0;
};

// One side of the borders of the selected cells.
class Border {
public:
    virtual ~Border() = default;
    virtual void setLineStyle(long style) = 0;
    // Width in Word's eighths of a point (WdLineWidth).
    virtual void setLineWidth(long width) = 0;
    virtual void setColor(long color) = 0;
};

class Borders {
public:
    virtual ~Borders() = default;
    // side is a WdBorderType.
    virtual std::shared_ptr<Border> item(long side) = 0;
    virtual void setShadow(bool shadow) = 0;
};

// The cells the selection touches.
class Cells {
public:
    virtual ~Cells() = default;
    virtual void merge() = 0;
    virtual void setVerticalAlignment(long alignment) = 0;
    virtual std::shared_ptr<Borders> borders() = 0;
};

} // namespace word
