#pragma once
// A status bar of named text panels laid out left to right, each with its own width, bevel,
// alignment and font. Reports pointer moves, panel clicks (one per button release) and resizes.
// Assistive technology sees each panel as a child of the bar.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

namespace plumcrest {

enum class PanelBevel { None, Lowered };

struct StatusPanel {
    QString name;
    int width = 50;
    PanelBevel bevel = PanelBevel::Lowered;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString text;
    bool ownFont = false; // otherwise the bar's font
    QFont font;
    QColor color;      // invalid: the bar's text colour
    QColor background; // invalid: the bar's own; set with a fixed text colour
    // Assistive technology sees the panel as a link (pressing it clicks the panel) instead of
    // as text; either way its name is the panel's text.
    bool link = false;
};

class TPanelStatusBar : public QWidget {
    Q_OBJECT

public:
    explicit TPanelStatusBar(QWidget* parent = nullptr);

    int AddPanel(const StatusPanel& panel);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    StatusPanel& Panel(int index) { return panels_.at(static_cast<std::size_t>(index)); }
    const StatusPanel& Panel(int index) const {
        return panels_.at(static_cast<std::size_t>(index));
    }
    void SetPanelText(int index, const QString& text);
    void SetPanelWidth(int index, int width);
    // The panel under a horizontal position, or -1.
    int PanelAt(int x) const;
    QRect PanelRect(int index) const;

signals:
    void MouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);
    void PanelClicked(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                      int y);
    void Resized();
    // A right click has been released (after its panel click): the window's menu may open.
    void ContextMenuWanted(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<StatusPanel> panels_;
};

} // namespace plumcrest
