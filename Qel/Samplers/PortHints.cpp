#include "Qel/Samplers/PortHints.hpp"

#include "Qel/Text/Loc.hpp"

namespace qel::PortHints {

const std::map<std::int64_t, std::string>& table() {
  static const std::map<std::int64_t, std::string> hints{
      {22, "SSH remote login"},
      {80, "Web server"},
      {443, "Web server (HTTPS)"},
      {1433, "SQL Server database"},
      {3000, "Common dev server port"},
      {3306, "MySQL database"},
      {4200, "Angular dev server"},
      {5000, "Common dev server port"},
      {5173, "Vite dev server"},
      {5432, "PostgreSQL database"},
      {5900, "Screen sharing (VNC)"},
      {6379, "Redis"},
      {7000, "AirPlay receiver"},
      {8000, "Common dev server port"},
      {8080, "Common web service port"},
      {8888, "Jupyter notebook"},
      {9000, "Common dev server port"},
      {9200, "Elasticsearch"},
      {11434, "Ollama"},
      {27017, "MongoDB database"},
  };
  return hints;
}

std::optional<std::string> describe(std::int64_t port) {
  const auto& hints = table();
  const auto it = hints.find(port);
  if (it == hints.end()) return std::nullopt;
  return L(it->second);
}

}  // namespace qel::PortHints
