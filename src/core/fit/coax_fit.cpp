// The coaxial fit. In scaled unknowns x = K1 * max sqrt(f), y = K2 * max f, the relative error of point i is
// x * p[i] + y * q[i] - 1, so every bound on it is a half-plane and the coefficients that meet all bounds
// form a convex polygon: two unknowns need no general solver.
#include "core/fit/line_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dorvik {

namespace {

struct Point2 {
    double X = 0, Y = 0;
};
using Polygon = std::vector<Point2>;

// The part of the polygon where a * x + b * y <= c.
Polygon Clip(const Polygon& polygon, double a, double b, double c) {
    Polygon out;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point2& p = polygon[i];
        const Point2& q = polygon[(i + 1) % n];
        const double fp = a * p.X + b * p.Y - c;
        const double fq = a * q.X + b * q.Y - c;
        if (fp <= 0)
            out.push_back(p);
        if ((fp < 0 && fq > 0) || (fp > 0 && fq < 0)) {
            const double t = fp / (fp - fq);
            out.push_back({p.X + t * (q.X - p.X), p.Y + t * (q.Y - p.Y)});
        }
    }
    return out;
}

class RelativeErrors {
public:
    RelativeErrors(const std::vector<double>& mhz, const std::vector<double>& attenuation) {
        for (const double f : mhz) {
            rootScale_ = std::max(rootScale_, std::sqrt(f));
            linearScale_ = std::max(linearScale_, f);
        }
        for (std::size_t i = 0; i < mhz.size(); ++i) {
            p_.push_back(std::sqrt(mhz[i]) / rootScale_ / attenuation[i]);
            q_.push_back(mhz[i] / linearScale_ / attenuation[i]);
        }
    }

    double SumOfSquares(Point2 v) const {
        double sum = 0;
        for (std::size_t i = 0; i < p_.size(); ++i)
            sum += std::pow(v.X * p_[i] + v.Y * q_[i] - 1, 2);
        return sum;
    }
    double Largest(Point2 v) const {
        double largest = 0;
        for (std::size_t i = 0; i < p_.size(); ++i)
            largest = std::max(largest, std::abs(v.X * p_[i] + v.Y * q_[i] - 1));
        return largest;
    }

    // Least squares with both unknowns at least 0.
    Point2 LeastSquares() const {
        double pp = 0, pq = 0, qq = 0, p1 = 0, q1 = 0;
        for (std::size_t i = 0; i < p_.size(); ++i) {
            pp += p_[i] * p_[i];
            pq += p_[i] * q_[i];
            qq += q_[i] * q_[i];
            p1 += p_[i];
            q1 += q_[i];
        }
        const double det = pp * qq - pq * pq;
        if (det > 0) {
            const Point2 both{(p1 * qq - q1 * pq) / det, (q1 * pp - p1 * pq) / det};
            if (both.X >= 0 && both.Y >= 0)
                return both;
        }
        const Point2 rootOnly{p1 / pp, 0}, linearOnly{0, q1 / qq};
        return SumOfSquares(rootOnly) <= SumOfSquares(linearOnly) ? rootOnly : linearOnly;
    }

    // The coefficients with every relative error within +-bound[i], as a polygon (empty: none).
    Polygon Feasible(const std::vector<double>& bound) const {
        double xMax = std::numeric_limits<double>::infinity(), yMax = xMax;
        for (std::size_t i = 0; i < p_.size(); ++i) {
            xMax = std::min(xMax, (1 + bound[i]) / p_[i]);
            yMax = std::min(yMax, (1 + bound[i]) / q_[i]);
        }
        Polygon polygon{{0, 0}, {xMax, 0}, {xMax, yMax}, {0, yMax}};
        for (std::size_t i = 0; i < p_.size() && !polygon.empty(); ++i) {
            polygon = Clip(polygon, p_[i], q_[i], 1 + bound[i]);
            polygon = Clip(polygon, -p_[i], -q_[i], -(1 - bound[i]));
        }
        return polygon;
    }

    // The point of the polygon with the least sum of squares: the least-squares point when inside, else on
    // an edge.
    Point2 ClosestToLeastSquares(const Polygon& polygon, const std::vector<double>& bound) const {
        const Point2 best = LeastSquares();
        if (Meets(best, bound))
            return best;
        Point2 found = polygon.front();
        double foundSum = SumOfSquares(found);
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point2 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            // The sum along the edge is a quadratic in t; its least value, kept within the edge.
            double da = 0, db = 0;
            for (std::size_t k = 0; k < p_.size(); ++k) {
                const double r = a.X * p_[k] + a.Y * q_[k] - 1;
                const double d = (b.X - a.X) * p_[k] + (b.Y - a.Y) * q_[k];
                da += r * d;
                db += d * d;
            }
            const double t = db > 0 ? std::clamp(-da / db, 0.0, 1.0) : 0.0;
            const Point2 v{a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)};
            if (const double sum = SumOfSquares(v); sum < foundSum) {
                found = v;
                foundSum = sum;
            }
        }
        return found;
    }

    CoaxCoefficients Coefficients(Point2 v, bool withinRounding) const {
        return {v.X / rootScale_, v.Y / linearScale_, withinRounding};
    }

private:
    // Whether every relative error lies within its bound.
    bool Meets(Point2 v, const std::vector<double>& bound) const {
        for (std::size_t i = 0; i < p_.size(); ++i)
            if (std::abs(v.X * p_[i] + v.Y * q_[i] - 1) > bound[i])
                return false;
        return true;
    }

    double rootScale_ = 0, linearScale_ = 0;
    std::vector<double> p_, q_;
};

} // namespace

CoaxCoefficients FitCoax(const std::vector<double>& mhz, const std::vector<double>& attenuation,
                         const std::vector<double>& rounding) {
    const RelativeErrors errors(mhz, attenuation);
    std::vector<double> bound(mhz.size());
    for (std::size_t i = 0; i < mhz.size(); ++i)
        bound[i] = rounding[i] / attenuation[i];
    if (const Polygon within = errors.Feasible(bound); !within.empty())
        return errors.Coefficients(errors.ClosestToLeastSquares(within, bound), true);
    // The least largest error: the least bound, the same for every point, that leaves a polygon.
    const Point2 leastSquares = errors.LeastSquares();
    double low = 0, high = errors.Largest(leastSquares);
    for (int step = 0; step < 60; ++step) {
        const double middle = (low + high) / 2;
        std::fill(bound.begin(), bound.end(), middle);
        if (errors.Feasible(bound).empty())
            low = middle;
        else
            high = middle;
    }
    std::fill(bound.begin(), bound.end(), high);
    const Polygon polygon = errors.Feasible(bound);
    if (polygon.empty())
        return errors.Coefficients(leastSquares, false);
    return errors.Coefficients(errors.ClosestToLeastSquares(polygon, bound), false);
}

} // namespace dorvik
