#include "test_screen.h"

namespace testkit {

TestScreen::TestScreen(int width, int height)
    : m_server(width, height), m_client(m_server.display()), m_windows(m_client),
      m_input(m_server.display()) {}

} // namespace testkit
