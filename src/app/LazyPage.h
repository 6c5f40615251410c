#pragma once

#include <QWidget>

#include <functional>

// A page of the tab strip whose contents are built the first time it is shown or asked for, so that a
// tab nobody opens costs nothing at start.
class LazyPage : public QWidget {
    Q_OBJECT
public:
    using Builder = std::function<QWidget*()>;

    explicit LazyPage(Builder build, QWidget* parent = nullptr);

    // The contents, built now if they were not.
    QWidget* contents();
    bool isBuilt() const { return m_contents != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Builder m_build;
    QWidget* m_contents = nullptr;
};
