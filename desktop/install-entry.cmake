# Installs the desktop entry; run by `cmake --install` with CMAKE_INSTALL_PREFIX
# the prefix being installed to. The entry starts the launcher by its full
# path, so the menu finds it whatever the prefix and whatever the PATH. Each
# prefix gets its own configured copy, so two installs at once never share one.
#   POLKAMINA_ENTRY_TEMPLATE   the entry with @POLKAMINA_LAUNCHER@ in it
#   POLKAMINA_ENTRY_SCRATCH    a folder of the build for the configured copies
#   POLKAMINA_BINDIR           where the launcher is installed
#   POLKAMINA_APPLICATIONS_DIR where desktop entries are installed
cmake_path(ABSOLUTE_PATH POLKAMINA_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH POLKAMINA_APPLICATIONS_DIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
set(POLKAMINA_LAUNCHER "${POLKAMINA_BINDIR}/polkamina")
cmake_path(GET POLKAMINA_ENTRY_TEMPLATE STEM LAST_ONLY entry_name)
string(MD5 key "$ENV{DESTDIR}${POLKAMINA_LAUNCHER}")
set(entry "${POLKAMINA_ENTRY_SCRATCH}/${key}/${entry_name}")
configure_file("${POLKAMINA_ENTRY_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${POLKAMINA_APPLICATIONS_DIR}" TYPE FILE FILES "${entry}")
