// Counted texts take the form their language's plural rule gives the count: one form in
// Japanese, Korean and Chinese, two in English, German, Spanish, French and Portuguese (French
// and Brazilian Portuguese count 0 and 1 alike), three in Russian.
#include <gtest/gtest.h>

#include <array>

#include "Qel/Text/Loc.hpp"

using namespace qel;

namespace {

struct Counted {
  const char* language;
  std::array<const char*, 4> ports;  // 1, 2, 5 and 21 ports
  std::array<const char*, 4> open;   // the same with 1 of them open to the local network
};

const Counted kLanguages[] = {
    {"en", {"1 port", "2 ports", "5 ports", "21 ports"},
     {"1 port, 1 open to the local network", "2 ports, 1 open to the local network",
      "5 ports, 1 open to the local network", "21 ports, 1 open to the local network"}},
    {"de", {"1 Port", "2 Ports", "5 Ports", "21 Ports"},
     {"1 Port, 1 offen im lokalen Netz", "2 Ports, 1 offen im lokalen Netz", "5 Ports, 1 offen im lokalen Netz",
      "21 Ports, 1 offen im lokalen Netz"}},
    {"es", {"1 puerto", "2 puertos", "5 puertos", "21 puertos"},
     {"1 puerto; abiertos a la red local: 1", "2 puertos; abiertos a la red local: 1",
      "5 puertos; abiertos a la red local: 1", "21 puertos; abiertos a la red local: 1"}},
    {"fr", {"1 port", "2 ports", "5 ports", "21 ports"},
     {"1 port ; ouverts au réseau local : 1", "2 ports ; ouverts au réseau local : 1",
      "5 ports ; ouverts au réseau local : 1", "21 ports ; ouverts au réseau local : 1"}},
    {"pt-BR", {"1 porta", "2 portas", "5 portas", "21 portas"},
     {"1 porta; abertas à rede local: 1", "2 portas; abertas à rede local: 1", "5 portas; abertas à rede local: 1",
      "21 portas; abertas à rede local: 1"}},
    {"ru", {"1 порт", "2 порта", "5 портов", "21 порт"},
     {"1 порт, открыто для локальной сети:\u00A01", "2 порта, открыто для локальной сети:\u00A01",
      "5 портов, открыто для локальной сети:\u00A01", "21 порт, открыто для локальной сети:\u00A01"}},
    {"ja", {"1 個のポート", "2 個のポート", "5 個のポート", "21 個のポート"},
     {"1 個のポート、うち 1 個がローカルネットワークに公開", "2 個のポート、うち 1 個がローカルネットワークに公開",
      "5 個のポート、うち 1 個がローカルネットワークに公開", "21 個のポート、うち 1 個がローカルネットワークに公開"}},
    {"ko", {"포트 1개", "포트 2개", "포트 5개", "포트 21개"},
     {"포트 1개, 로컬 네트워크에 열림 1개", "포트 2개, 로컬 네트워크에 열림 1개", "포트 5개, 로컬 네트워크에 열림 1개",
      "포트 21개, 로컬 네트워크에 열림 1개"}},
    {"zh-Hans", {"1 个端口", "2 个端口", "5 个端口", "21 个端口"},
     {"1 个端口，其中 1 个向局域网开放", "2 个端口，其中 1 个向局域网开放", "5 个端口，其中 1 个向局域网开放",
      "21 个端口，其中 1 个向局域网开放"}},
    {"zh-Hant", {"1 個連接埠", "2 個連接埠", "5 個連接埠", "21 個連接埠"},
     {"1 個連接埠，其中 1 個對區域網路開放", "2 個連接埠，其中 1 個對區域網路開放", "5 個連接埠，其中 1 個對區域網路開放",
      "21 個連接埠，其中 1 個對區域網路開放"}},
};

class Plurals : public ::testing::TestWithParam<Counted> {
 protected:
  void TearDown() override { Loc::set("en", nullptr); }
};

}  // namespace

TEST_P(Plurals, oneTwoFiveAndTwentyOne) {
  const Counted& c = GetParam();
  Loc::set(c.language, nullptr);
  const long long counts[] = {1, 2, 5, 21};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Ln("%n ports", counts[i]), c.ports[i]);
    EXPECT_EQ(Ln("%n ports, %@ open to the local network", counts[i], {"1"}), c.open[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Plurals, ::testing::ValuesIn(kLanguages), [](const auto& info) {
  std::string name = info.param.language;
  std::erase(name, '-');
  return name;
});

TEST(Plurals, aTextWithoutATranslationCountsInEnglishWords) {
  Loc::set("de", nullptr);
  // No table has this text: the key with its count and values in place.
  EXPECT_EQ(Ln("%n widgets of %@", 3, {"Qel"}), "3 widgets of Qel");
  // A count never reads a value's "%n", and a value never takes the count's place.
  EXPECT_EQ(Ln("%n ports, %@ open to the local network", 2, {"%n"}), "2 Ports, %n offen im lokalen Netz");
  Loc::set("en", nullptr);
}
