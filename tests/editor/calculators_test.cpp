// The calculators against values worked by hand from the Eurocode formulas.
#include "calculators.h"

#include <QtTest>
#include <cmath>

using namespace kvop::editor;

class CalculatorsTest : public QObject {
  Q_OBJECT
 private slots:
  void peakVelocityPressureTerrainII() {
    // vb = 22 m/s, z = 6 m, terrain II: qb = 0.5 * 1.25 * 22^2 = 302.5 N/m2;
    // kr = 0.19; ln(6/0.05) = ln 120 = 4.787492; cr = 0.909623;
    // Iv = 1/4.787492 = 0.208878; qp = (1 + 1.462146) * 0.827415 * 0.3025 = 0.616257 kN/m2.
    const WindResult r = peak_velocity_pressure(22, 6, 2);
    QCOMPARE(std::round(r.qb * 1e4) / 1e4, 0.3025);
    QVERIFY(std::fabs(r.kr - 0.19) < 1e-12);
    QVERIFY(std::fabs(r.cr - 0.909623) < 1e-6);
    QVERIFY(std::fabs(r.Iv - 0.208878) < 1e-6);
    QVERIFY(std::fabs(r.qp - 0.616257) < 1e-5);
  }

  void belowZminThePressureOfZminHolds() {
    // Terrain IV, z = 6 m < zmin = 10 m: z0 = 1; kr = 0.19 * 20^0.07 = 0.234329;
    // cr = kr * ln 10 = 0.539562; Iv = 1/ln 10 = 0.434294;
    // qp = (1 + 3.040061) * 0.291127 * 0.3025 = 0.355792 kN/m2.
    const WindResult r = peak_velocity_pressure(22, 6, 4);
    QVERIFY(std::fabs(r.kr - 0.234329) < 1e-6);
    QVERIFY(std::fabs(r.cr - 0.539562) < 1e-6);
    QVERIFY(std::fabs(r.qp - 0.355792) < 1e-5);
    QCOMPARE(peak_velocity_pressure(22, 6, 4).qp, peak_velocity_pressure(22, 10, 4).qp);
  }

  void terrainZeroAtTwentyMetres() {
    // vb = 25: qb = 0.390625; z0 = 0.003: kr = 0.19 * 0.06^0.07 = 0.156036;
    // ln(20/0.003) = 8.804875; cr = 1.373876; Iv = 0.113573;
    // qp = (1 + 0.795014) * 1.887534 * 0.390625 = 1.323496 kN/m2.
    const WindResult r = peak_velocity_pressure(25, 20, 0);
    QVERIFY(std::fabs(r.kr - 0.156036) < 1e-6);
    QVERIFY(std::fabs(r.qp - 1.323496) < 1e-5);
  }

  void driftAtTallerBuildingWithTheDefaults() {
    // b1 = 20, b2 = 30, h = 3, sk = 2.0: (b1+b2)/2h = 8.33 > gamma h / sk = 3.0
    // so mu_w = 3.0; ls = 2h = 6 m; slope 3.6 deg: mu_s = 0; mu2 = 3.0.
    const DriftResult d = snow_drift({20, 30, 3, 5, 0.8, 3.6, 2.0});
    QCOMPARE(d.mu_w, 3.0);
    QCOMPARE(d.ls, 6.0);
    QCOMPARE(d.mu_s, 0.0);
    QCOMPARE(d.mu2, 3.0);
    // Half way along ls: 3.0 - (3.0 - 0.8) * 3/6 = 1.9; beyond ls: mu1.
    QCOMPARE(drift_shape_at(d, 0.8, 3.0), 1.9);
    QCOMPARE(drift_shape_at(d, 0.8, 7.0), 0.8);
  }

  void driftBounds() {
    // sk = 1.0, h = 3: gamma h / sk = 6, (b1+b2)/2h = 8.33 -> 6 -> at most 4.0.
    QCOMPARE(snow_drift({20, 30, 3, 5, 0.8, 0, 1.0}).mu_w, 4.0);
    // h = 1: ls = 2 -> at least 5 m; mu_w = min(25, 2*1/2.0 = 1.0) = 1.0.
    const DriftResult low = snow_drift({20, 30, 1, 5, 0.8, 0, 2.0});
    QCOMPARE(low.ls, 5.0);
    QCOMPARE(low.mu_w, 1.0);
    // h = 0.5, sk = 2.5: gamma h / sk = 0.4 -> at least 0.8.
    QCOMPARE(snow_drift({4, 4, 0.5, 5, 0.8, 0, 2.5}).mu_w, 0.8);
    // h = 10: ls = 20 -> at most 15 m.
    QCOMPARE(snow_drift({20, 30, 10, 5, 0.8, 0, 2.0}).ls, 15.0);
  }

  void snowSlidingFromASteepUpperRoof() {
    // alpha = 20 deg (above 15): mu1(20) = 0.8; half of 0.8 * sk * b1 over a
    // triangle of length ls = 6: mu_s = 0.8 * 20 / 6 = 2.6667; mu2 = 3.0 + 2.6667.
    const DriftResult d = snow_drift({20, 30, 3, 5, 0.8, 20, 2.0});
    QVERIFY(std::fabs(d.mu_s - 2.666667) < 1e-6);
    QVERIFY(std::fabs(d.mu2 - 5.666667) < 1e-6);
    // alpha = 45: mu1 = 0.8 * (60 - 45) / 30 = 0.4 -> mu_s = 0.4 * 20 / 6 = 1.3333.
    QVERIFY(std::fabs(snow_drift({20, 30, 3, 5, 0.8, 45, 2.0}).mu_s - 1.333333) < 1e-6);
    QCOMPARE(snow_drift({20, 30, 3, 5, 0.8, 65, 2.0}).mu_s, 0.0);
  }
};

QTEST_MAIN(CalculatorsTest)
#include "calculators_test.moc"
