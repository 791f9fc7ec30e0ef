; The installer's own texts in English (NSIS brings those of its pages).
LangString StartTrayNow ${LANG_ENGLISH} "Show the ${PRODUCT} icon in the notification area now"
LangString NeedsAdministrator ${LANG_ENGLISH} "${PRODUCT} can only be installed or removed by an administrator."
LangString RegistryFailed ${LANG_ENGLISH} "The settings of ${PRODUCT} could not be written to the registry. Run the setup again as an administrator."
LangString EndingPrograms ${LANG_ENGLISH} "Closing the running programs of ${PRODUCT}..."
LangString EndingProgram ${LANG_ENGLISH} "Ending a program that did not close:"
LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Remove your ${PRODUCT} menu items and settings as well?$\r$\n$\r$\nChoose No to keep them for a later installation."
LangString SettingsKept ${LANG_ENGLISH} "Your menu items and settings were kept."
LangString SettingsRemoved ${LANG_ENGLISH} "Your menu items and settings were removed."
