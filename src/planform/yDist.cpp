#include "planform/yDist.h"

#include <cmath>

#include "model/Module_ortak.h"
#include "model/Numbers.h"

namespace kelvane {
namespace {

constexpr double kMaxStations = 99;  // the station tables hold indices up to 101
constexpr double kMinStations = 2;   // 2 itself is then refused as even
constexpr char kTooMany[] = "Yarı-açıklık boyunca istasyon sayısı 99 dan büyük olamaz";
constexpr char kTooFew[] = "Yarı-açıklık boyunca istasyon sayısı 2 den küçük olamaz";
constexpr char kEven[] = " İstasyon sayısı simetrik yük dağılımı için ÇİFT SAYI olamaz";
constexpr char kNotWhole[] = "İstasyon sayısı tam sayı olmalıdır";

std::string Reject(const char* message) {
  ortak.InputError = true;
  return message;
}

}  // namespace

std::string yDist(std::string_view stationText) {
  Module_ortak& m = ortak;
  m.N = ReadNumber(stationText);
  m.N1 = m.N + 1;
  if (m.N > kMaxStations) return Reject(kTooMany);
  if (m.N < kMinStations) return Reject(kTooFew);
  if (m.N / 2 == std::floor(m.N / 2)) return Reject(kEven);
  // A fractional count passes the checks above; the stations need a whole one. Written so that a NaN
  // (which fails every comparison above) lands here too.
  if (!(m.N == std::floor(m.N))) return Reject(kNotWhole);

  const int n = static_cast<int>(m.N);
  m.SemiSpan = m.b / 2;
  const double dTheta = m.PiHalf / m.N;
  for (int i = 0; i <= n; ++i) {
    m.theta[i] = i * dTheta;
    m.y[i] = m.SemiSpan * std::cos(m.theta[i]);
  }
  m.y[n] = 0;  // cos(pi/2) leaves a tiny residue
  return {};
}

}  // namespace kelvane
