// The spanwise stations: the count checked, cosine spacing from tip to root.
#include "planform/yDist.h"

#include <cmath>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "planform/InputCheck.h"

namespace kelvane {
namespace {

constexpr double kMaxStations = 99;  // the station tables hold indices up to 101
constexpr double kMinStations = 2;   // 2 itself is then refused as even
constexpr char kTooMany[] = "Yarı-açıklık boyunca istasyon sayısı 99 dan büyük olamaz";
constexpr char kTooFew[] = "Yarı-açıklık boyunca istasyon sayısı 2 den küçük olamaz";
constexpr char kEven[] = " İstasyon sayısı simetrik yük dağılımı için ÇİFT SAYI olamaz";
constexpr char kNotWhole[] = "İstasyon sayısı tam sayı olmalıdır";

}  // namespace

Outcome yDist(Module_ortak& m, std::string_view stationText) {
  m.N = ReadNumber(stationText);
  m.N1 = m.N + 1;
  if (m.N > kMaxStations) return RefuseInput(m, kTooMany);
  if (m.N < kMinStations) return RefuseInput(m, kTooFew);
  if (m.N / 2 == std::floor(m.N / 2)) return RefuseInput(m, kEven);
  // A fractional count passes the checks above; the stations need a whole one. Written so that a NaN
  // (which fails every comparison above) lands here too.
  if (!(m.N == std::floor(m.N))) return RefuseInput(m, kNotWhole);

  const int n = static_cast<int>(m.N);
  m.SemiSpan = m.b / 2;
  const double dTheta = m.PiHalf / m.N;
  for (int i = 0; i <= n; ++i) {
    m.theta[i] = i * dTheta;
    m.y[i] = m.SemiSpan * std::cos(m.theta[i]);
  }
  m.y[n] = 0;  // cos(pi/2) leaves a tiny residue
  return Outcome::Done();
}

}  // namespace kelvane
