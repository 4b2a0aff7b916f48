#include "Qel/Samplers/PortHints.hpp"

#include "Qel/Text/Loc.hpp"

namespace qel::PortHints {

const std::map<std::int64_t, const char*>& table() {
  static const std::map<std::int64_t, const char*> hints{
      {22, Lkey("SSH remote login")},
      {80, Lkey("Web server")},
      {443, Lkey("Web server (HTTPS)")},
      {1433, Lkey("SQL Server database")},
      {3000, Lkey("Common dev server port")},
      {3306, Lkey("MySQL database")},
      {4200, Lkey("Angular dev server")},
      {5000, Lkey("Common dev server port")},
      {5173, Lkey("Vite dev server")},
      {5432, Lkey("PostgreSQL database")},
      {5900, Lkey("Screen sharing (VNC)")},
      {6379, Lkey("Redis")},
      {7000, Lkey("AirPlay receiver")},
      {8000, Lkey("Common dev server port")},
      {8080, Lkey("Common web service port")},
      {8888, Lkey("Jupyter notebook")},
      {9000, Lkey("Common dev server port")},
      {9200, Lkey("Elasticsearch")},
      {11434, Lkey("Ollama")},
      {27017, Lkey("MongoDB database")},
  };
  return hints;
}

const char* describe(std::int64_t port) {
  const auto& hints = table();
  const auto it = hints.find(port);
  return it == hints.end() ? nullptr : it->second;
}

}  // namespace qel::PortHints
