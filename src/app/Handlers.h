// Every event handler of the main window that a menu entry, a button or a label is bound to, by name,
// grouped by the part of the program that owns the command. Each group's handlers are defined in
// its own TForm1<Group>.cpp.
#pragma once

// documents, the properties command and the title row
#define WENDELMOOR_DOCUMENT_HANDLERS(X) \
    X(Open2Click) X(Save_mp_Click) X(SaveAs_mp_Click) X(RestoreBackup1Click) X(Exit_mpClick) X(Props_mpClick) \
    X(SpeedButton9Click) X(TitleRbPanelClick)

// creating, clipboard, deletion, restructuring
#define WENDELMOOR_EDITING_HANDLERS(X) \
    X(CutLink_mpClick) X(CopyLink_mpClick) X(CloneItems1Click) X(PasteLink_mpClick) X(DeleteLink_mpClick) \
    X(AddRootLink_mpClick) X(AddChildLink_mpClick) X(AddItemRight1Click) X(AddItemLeft1Click) \
    X(InsertLinkBefore_mpClick) X(InsertGroup1Click) X(InsertURL1Click) X(InsertFolder1Click) X(InsertFile1Click) \
    X(InsertApplicationItem1Click) X(InsertEmailItem1Click) X(InsertPrintItem1Click) X(InsertInfoItem1Click) \
    X(InsertWarningItem1Click) X(InsertGoogleSearch1Click) X(InsertLinkAfter_mpClick) \
    X(AddLinkFromClipboard_mpClick) X(Up1Click) X(Down1Click) X(Left1Click) X(Right1Click) X(GroupItems1Click) \
    X(GroupFolder1Click) X(URL1Click) X(Folder1Click) X(File1Click) X(Application1Click) X(GoogleSearch1Click) \
    X(SavedPage1Click) X(Email1Click) X(Note1Click) X(PrintJob1Click) X(Warning1Click) X(AutoFill1Click) \
    X(Undo1Click) X(Redo1Click)

// level views, expanding, goto and selection
#define WENDELMOOR_VIEW_HANDLERS(X) \
    X(Level11Click) X(Level21Click) X(Level31Click) X(Level41Click) X(Level51Click) X(Level61Click) X(Level71Click) \
    X(Level81Click) X(Level91Click) X(AllLevels1Click) X(ExpandAll_mpClick) X(CollapseAll_mpClick) X(Hide1Click) \
    X(Expand1Click) X(Allsubs1Click) X(oggle1Click) X(GotoFirst_mpClick) X(GotoPrevious1Click) \
    X(GotoPreviousSibling_mpClick) X(GotoNext_mpClick) X(GotoNextSibling_mpClick) X(GotoLast_mpClick) \
    X(SelectAll_mpClick) X(SelectAllVisible_mpClick) X(UnselectAll_mpClick) X(Invert1Click) X(Hoist1Click)

// launching, browse sequences and sets, the address bar
#define WENDELMOOR_LAUNCH_HANDLERS(X) \
    X(Browse_mp_Click) X(BrowseIn1_mp_Click) X(BrowseNext_mpClick) X(BrowseInDefaultBrowser1Click) \
    X(BrowseNextInternaly_mpClick) X(BrowsePreviousInternaly_mpClick) X(BrowseSet1_mClick) X(BrowseSet2_mClick) \
    X(BrowseSet3_mClick) X(BrowseSet4_mClick) X(CopyURL1Click) X(EmailItems1Click) X(RbButton2Click) \
    X(RbButton16Click) X(GoogleSearch2Click) X(InternetExplorer1Click) X(WindowsExplorer1Click) \
    X(OpenAllLinks1Click) X(Image2Click) X(UseEmbeddedBrowser1Click) X(UseMSIEBrowser1Click) X(AutoView1Click) \
    X(EscapeCommand1Click)

// capturing links and the web cache
#define WENDELMOOR_CAPTURE_HANDLERS(X) \
    X(AddActiveLinks1Click) X(GetAllLinks1Click) X(SavePage1Click) X(AllLinks1Click) \
    X(mp_DeleteTemporaryInternetFilesClick) X(StartWithTheDesktop1Click)

// the find bar and the quick launcher
#define WENDELMOOR_FIND_HANDLERS(X) X(Find1Click) X(QuickLauncherKey1Click)

// importing and exporting browser bookmarks
#define WENDELMOOR_EXCHANGE_HANDLERS(X) X(ImportBookmarks1Click) X(ExportBookmarks1Click)

// layouts, skins, tips and help
#define WENDELMOOR_PANEL_HANDLERS(X) \
    X(Normal1Click) X(NoteEdit1Click) X(Outliner1Click) X(Orange1Click) X(ChromeWhite1Click) X(VitaminC1Click) \
    X(WhitePink1Click) X(PastelBlue1Click) X(XPColors1Click) X(PastelGreen1Click) X(Defaultblue1Click) \
    X(TarvelinHelp1Click) X(WelcomeUser_mClick) X(ShowNextTip1Click) X(AutoplayTips1Click) X(ShowTips1Click) \
    X(About1Click)

// the tags panel
#define WENDELMOOR_TAGS_HANDLERS(X) \
    X(GetBookmarks1Click) X(A1Click) X(B1Click) X(C1Click) X(D1Click) X(E1Click) X(F1Click) X(G1Click) X(H1Click) \
    X(I1Click) X(J1Click) X(K1Click) X(L1Click) X(M1Click) X(N8Click) X(O1Click) X(P1Click) X(Q1Click) X(R1Click) \
    X(S1Click) X(T1Click) X(U1Click) X(V1Click) X(W1Click) X(X1Click) X(Y1Click) X(Z1Click)

// the formatting commands and notes
#define WENDELMOOR_FORMAT_HANDLERS(X) \
    X(SaveNote1Click) X(Arial1Click) X(CourierNew1Click) X(ahoma1Click) X(imesNewRoman1Click) X(Verdana1Click) \
    X(Bold1Click) X(Italic1Click) X(Underline1Click) X(Superscript1Click) X(Subscript1Click) X(Size11Click) \
    X(Size21Click) X(Size31Click) X(Size41Click) X(Size51Click) X(Size61Click) X(Black1Click) X(DkBlue1Click) \
    X(DkGreen1Click) X(DkRed1Click) X(DkMagenta1Click) X(DkYellow1Click) X(DkGray1Click) X(LtGray1Click) \
    X(Blue1Click) X(Green1Click) X(Red1Click) X(Magenta1Click) X(Yellow1Click) X(White1Click) X(Black2Click) \
    X(DkBlue2Click) X(DkGreen2Click) X(DkRed2Click) X(DkMagenta2Click) X(DkYellow2Click) X(DkGray2Click) \
    X(LtGray2Click) X(Blue2Click) X(Green2Click) X(Red2Click) X(Magenta2Click) X(Yellow2Click) X(White2Click) \
    X(Left2Click) X(Center1Click) X(Right2Click) X(Full1Click) X(JustifyNone1Click) X(Paragraph1Click) \
    X(Blockquote1Click) X(Heading11Click) X(Heading21Click) X(Heading31Click) X(Break1Click) X(Hyperlink1Click) \
    X(Unlink1Click) X(Comment1Click) X(HorizontalLine1Click) X(LineBreak1Click) X(Render1Click)

#define WENDELMOOR_HANDLERS(X) \
    WENDELMOOR_DOCUMENT_HANDLERS(X) WENDELMOOR_EDITING_HANDLERS(X) WENDELMOOR_VIEW_HANDLERS(X) WENDELMOOR_LAUNCH_HANDLERS(X) \
    WENDELMOOR_CAPTURE_HANDLERS(X) WENDELMOOR_EXCHANGE_HANDLERS(X) WENDELMOOR_FIND_HANDLERS(X) WENDELMOOR_PANEL_HANDLERS(X) WENDELMOOR_TAGS_HANDLERS(X) WENDELMOOR_FORMAT_HANDLERS(X)

// Defines handlers of commands not built yet: they exist and do nothing.
#define WENDELMOOR_PENDING_HANDLER(name) \
    void TForm1::name() {}
