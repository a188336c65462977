#pragma once

#include <QtGlobal>

#include <array>
#include <memory>

// A time-to-value curve: the cubic Bezier through four control points, evaluated with the time
// itself as the curve parameter (only the y coordinates take part; x is kept for completeness).
class NXTimeFunction
{
public:
    struct Point
    {
        double x = 0.0;
        double y = 0.0;
    };

    // P0 (0, 0), P1 (0.5, 0.5), P2 (0.5, 0.5), P3 (1, 1).
    NXTimeFunction();
    // P1 and P2 from {P1.x, P1.y, P2.x, P2.y}; P0 (0, 0) and P3 (1, 1).
    explicit NXTimeFunction(const double (&controlPoints)[4]);
    virtual ~NXTimeFunction() = default;

    // A default curve of class T with the type stored.
    template <class T = NXTimeFunction>
    static std::shared_ptr<T> timeFunctionWithType(qint32 type)
    {
        auto f = std::make_shared<T>();
        f->changeTimeFuncType(type);
        return f;
    }

    qint32 funcType() const { return funcType_; }
    // Stored only; the evaluation does not read it.
    void changeTimeFuncType(qint32 type) { funcType_ = type; }
    const std::array<Point, 4> &points() const { return points_; }

    // The curve's value at t, t clamped to [0, 1].
    virtual double valueWithTime(double t) const;

private:
    std::array<Point, 4> points_;
    qint32 funcType_ = 0;
};

// A curve stretched in time by X and in value by Y: value(t) = base(t / X) * Y.
class NXMediaTimeFunction : public NXTimeFunction
{
public:
    struct XY
    {
        double x = 1.0;
        double y = 1.0;
    };

    NXMediaTimeFunction() = default;
    explicit NXMediaTimeFunction(const double (&controlPoints)[4]) : NXTimeFunction(controlPoints) {}
    NXMediaTimeFunction(const double (&controlPoints)[4], const double (&xy)[2])
        : NXTimeFunction(controlPoints), XYValue_{xy[0], xy[1]}
    {
    }

    XY XYValue() const { return XYValue_; }
    void setXYValue(const double (&xy)[2]) { XYValue_ = {xy[0], xy[1]}; }

    double valueWithTime(double t) const override;

private:
    XY XYValue_;
};
