#include "WalkCamera.h"

#include "view3d/NumberList.h"
#include "vrml/WorldLooks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kSteepest = 89.0 * kRadiansPerDegree;

} // namespace

WalkCamera::WalkCamera(QObject* parent) : QObject(parent) {
    reset();
}

QVector3D WalkCamera::position() const {
    return QVector3D(float(m_eye.x), float(m_eye.y), float(m_eye.z));
}

QQuaternion WalkCamera::rotation() const {
    return QQuaternion::fromAxisAndAngle(0, 1, 0, float(m_yaw / kRadiansPerDegree)) *
           QQuaternion::fromAxisAndAngle(1, 0, 0, float(m_pitch / kRadiansPerDegree));
}

QVector3D WalkCamera::forward() const {
    return rotation().rotatedVector(QVector3D(0, 0, -1));
}

void WalkCamera::walk(double metres) {
    m_eye = m_eye + norvane::Vec3{-std::sin(m_yaw), 0.0, -std::cos(m_yaw)} * metres;
    emit moved();
}

void WalkCamera::turn(double degrees) {
    m_yaw = std::remainder(m_yaw + degrees * kRadiansPerDegree, 2 * std::numbers::pi);
    emit moved();
}

void WalkCamera::look(double degrees) {
    m_pitch = std::clamp(m_pitch + degrees * kRadiansPerDegree, -kSteepest, kSteepest);
    emit moved();
}

void WalkCamera::rise(double metres) {
    m_eye.y += metres;
    emit moved();
}

void WalkCamera::reset() {
    m_eye = norvane::vec3Of(norvane::kViewpointPosition);
    m_yaw = 0.0;
    m_pitch = 0.0;
    emit moved();
}

norvane::Ray WalkCamera::rayThrough(double x, double y, double width, double height) const {
    const double half = std::tan(kFieldOfViewDegrees / 2 * kRadiansPerDegree);
    const double aspect = width / std::max(height, 1.0);
    // The field of view spans the shorter side of the view, as VRML browsers show it.
    const double spanX = aspect >= 1.0 ? half * aspect : half;
    const double spanY = aspect >= 1.0 ? half : half / aspect;
    const double ndcX = 2.0 * x / std::max(width, 1.0) - 1.0;
    const double ndcY = 1.0 - 2.0 * y / std::max(height, 1.0);
    const QVector3D d =
        rotation().rotatedVector(QVector3D(float(ndcX * spanX), float(ndcY * spanY), -1.0f));
    return {m_eye, {d.x(), d.y(), d.z()}};
}
