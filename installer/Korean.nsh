; The installer's own texts in Korean (NSIS brings those of its pages).
LangString StartTrayNow ${LANG_KOREAN} "지금 알림 영역에 ${PRODUCT} 아이콘 표시"
LangString NeedsAdministrator ${LANG_KOREAN} "${PRODUCT}는 컴퓨터 관리자만 설치하거나 제거할 수 있습니다."
LangString RegistryFailed ${LANG_KOREAN} "${PRODUCT} 설정을 레지스트리에 기록하지 못했습니다. 관리자 권한으로 설치를 다시 실행 하십시오."
LangString EndingPrograms ${LANG_KOREAN} "실행 중인 ${PRODUCT} 프로그램을 닫는 중..."
LangString EndingProgram ${LANG_KOREAN} "닫히지 않은 프로그램을 종료합니다:"
LangString RemoveSettingsQuestion ${LANG_KOREAN} "${PRODUCT} 메뉴 항목과 설정도 제거 하시겠습니까?$\r$\n$\r$\n나중에 다시 설치할 때 사용하려면 [아니요]를 선택 하십시오."
LangString SettingsKept ${LANG_KOREAN} "메뉴 항목과 설정을 남겨 두었습니다."
LangString SettingsRemoved ${LANG_KOREAN} "메뉴 항목과 설정을 제거했습니다."
