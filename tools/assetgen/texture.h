#pragma once

#include <QColor>
#include <QtGlobal>

// Deterministic noise for surfaces: every value is a pure function of its coordinates and a seed, so the same
// program draws the same bytes on every run.
namespace Texture {

// A value in [0, 1) for one lattice point.
double hash(int x, int y, quint32 seed);
// Smoothly interpolated lattice noise in [0, 1).
double noise(double x, double y, quint32 seed);
// Several octaves of noise, each at twice the frequency and half the weight, normalised to [0, 1).
double fractal(double x, double y, quint32 seed, int octaves);

QColor mix(const QColor &from, const QColor &to, double amount);
QColor scaled(const QColor &colour, double factor);

} // namespace Texture
