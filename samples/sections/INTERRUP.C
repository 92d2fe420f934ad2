--------t-2D--00--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - IS THIS NUMBER TAKEN
	AL = 00h
	AH = multiplex number to try (00h-FFh)
Return:	AL = 00h nobody has it, FFh taken
	    CX = version (CH = major, CL = minor)
	    DX:DI -> 8 bytes naming the maker, 8 bytes naming the product,
	      then a description, ASCIZ
Notes:	a program looks for a free number by trying every AH in turn, and
	  finds an earlier copy of itself by its signature
	with this interface a TSR can be removed safely and can tell which
	  vectors it has hooked
Range:	multiplex numbers 00h to FFh, any of them may be taken by a program
SeeAlso: INT 2D/AL=01h,INT 2D/AL=02h,INT 2D/AL=04h

--------t-2D--01--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - DIRECT CALL ADDRESS
	AL = 01h
	AH = multiplex number
Return:	AL = 00h when there is no such entry
	AL = FFh when there is: DX:BX -> address to call without going
	  through the interrupt chain
SeeAlso: AL=00h

--------t-2D--02--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - REMOVE THE RESIDENT PROGRAM
	AL = 02h
	AH = multiplex number
	DX:BX -> where to go once removed (the TSR may ignore it)
Return:	AL = status: 00h not available, 01h failed, 02h not possible
	  yet but later, 03h may be removed but cannot remove itself,
	  04h-FEh removed, FFh done
SeeAlso: AL=00h,AL=04h

--------t-2D--04--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - WHICH VECTORS ARE HOOKED
	AL = 04h
	AH = multiplex number
	BL = vector to ask about (not 2Dh)
Return:	AL = status: 00h not available, 01h (obsolete) cannot tell,
	  02h (obsolete) hooked, 03h (obsolete) hooked in the newer
	  way, 04h DX:BX -> list of the hooked vectors
Note:	each list entry has three bytes (vector number, offset of its
	  handler); the entry for 2Dh comes last
SeeAlso: AL=02h

--------D-2E------------------------------------------------
INT 2E U - DOS 2+ - RUN A COMMAND LINE IN THE FIRST COMMAND.COM
	DS:SI -> command line: length byte, text, CR
Return:	every register but CS:IP may be lost
	AX = status (4DOS and newer COMMAND.COM only)
Notes:	the command runs in the COMMAND.COM that was loaded first, not in a
	  fresh copy; changes to its environment land in that first copy
	batch files started this way cannot be stopped safely
SeeAlso: INT 21/AX=4B00h,INT 2F/AX=AE00h

--------P-2F0100--------------------------------------------
INT 2F - DOS 3.0+ PRINT - IS PRINT LOADED
	AX = 0100h
Return:	AL = status: 00h absent and may be loaded; 01h absent and may
	  not be loaded; FFh loaded
Note:	AH values 00h-BFh of INT 2F are kept for the operating system;
	  C0h-FFh are left to applications
SeeAlso: AX=0101h,INT 2D/AL=00h

--------P-2F0101--------------------------------------------
INT 2F - DOS 3.0+ PRINT - ADD A FILE TO THE QUEUE
	AX = 0101h
	DS:DX -> packet: BYTE level (0), then DWORD -> file name, ASCIZ
Return:	CF off when it worked
	CF on if it failed: AX = error code (01h, 02h, 03h, 04h, 05h, 08h, 0Ch)
Note:	wildcards in the name are not allowed
SeeAlso: AX=0100h,AX=0102h

--------f-2F0600--------------------------------------------
INT 2F - DOS 3.2+ ASSIGN - IS ASSIGN LOADED
	AX = 0600h
Return:	AL = 00h absent, FFh loaded
SeeAlso: AX=0601h

--------f-2F1000--------------------------------------------
INT 2F - SHARE - IS SHARE LOADED
	AX = 1000h
Return:	AL = 00h absent, 01h absent and may not be loaded,
	  FFh loaded
Note:	DOS 4.0 loads SHARE on its own when partitions are large
SeeAlso: INT 21/AH=5Ch

--------N-2F1100--------------------------------------------
INT 2F - NETWORK REDIRECTOR - IS A REDIRECTOR LOADED
	AX = 1100h
Return:	AL = 00h absent, 01h absent and may not be loaded, FFh loaded
Notes:	through the redirector calls (AX=1101h-1130h) network clients and
	  CD-ROM extensions turn into DOS drives
	DOS uses these calls for every file action on a remote drive
SeeAlso: AX=1116h,INT 21/AX=5F02h

--------N-2F1116--------------------------------------------
INT 2F U - NETWORK REDIRECTOR - OPEN A FILE ON A NETWORK DRIVE
	AX = 1116h
	ES:DI -> empty system file table entry for the file
	SS = data segment of DOS
	[SP+4] = open mode wanted
Return:	CF on when it failed: AX = DOS error code
	CF off when it worked: the SFT entry has been filled in
SeeAlso: AX=1100h,INT 21/AH=3Dh

--------D-2F1200--------------------------------------------
INT 2F U - DOS 3.0+ internal - IS THE INTERNAL INTERFACE THERE
	AX = 1200h
Return:	AL = FFh (DOS is always there; the call exists for symmetry)
Note:	the 12xxh calls let resident code reach DOS internals; they differ
	  from version to version, so use them with care
! only a few of them appear in this sample
SeeAlso: AX=1216h

--------D-2F1216--------------------------------------------
INT 2F U - DOS 3.0+ internal - FIND AN SFT SLOT BY NUMBER
	AX = 1216h
	BX = number of the SFT entry
Return:	CF off when it worked: ES:DI -> that entry
	CF on when BX is beyond the last entry
SeeAlso: INT 21/AH=52h

--------D-2F1400--------------------------------------------
INT 2F - NLSFUNC - IS NLSFUNC LOADED
	AX = 1400h
Return:	AL = 00h absent, FFh loaded
Note:	NLSFUNC reads the country data that INT 21/AH=38h and AH=65h give
	  for code pages other than the one DOS started with
SeeAlso: INT 21/AH=38h

--------T-2F1600--------------------------------------------
INT 2F - TASKHOP task switcher - ANSWERS THE MULTITASKER PROBE
	AX = 1600h
Return:	AL = 00h if TASKHOP is not resident
	AL = 7Fh if TASKHOP is resident, BX = segment of its data
Program:	TASKHOP is a made-up task switcher for this sample; it answers this
	  call so that programs asking "is Windows running?" behave as they
	  would under a real switcher
Note:	this entry shares its function number with the Windows check below;
	  which of them answers depends on load order
SeeAlso: AX=1600h"Windows",AX=4B02h

--------W-2F1600--------------------------------------------
INT 2F - MS Windows - IS 386 ENHANCED MODE RUNNING
	AX = 1600h
Return:	AL = 00h no Windows 3.x enhanced mode and no Windows/386 2.x
	  present
	AL = 01h or FFh Windows/386 2.x present
	AL = 80h neither is present, but an XMS driver answered the call
	AL = major version (03h, 04h) of Windows in enhanced mode
	AH = minor version
Note:	Windows in standard or real mode gives no answer; ask AX=4680h there
SeeAlso: AX=1605h,AX=160Ah,AX=1683h

--------W-2F1605--------------------------------------------
INT 2F C - MS Windows - ENHANCED MODE & 286 DOSX ANNOUNCE THEIR START
	AX = 1605h
	ES:BX = 0000h:0000h
	DS:SI = 0000h:0000h
	CX = 0000h
	DX = flags: bit 0 off for enhanced mode, on for standard mode
	DI = version (0300h for 3.00)
Return:	CX = 0000h when Windows may load, other values to stop it
	ES:BX -> chain of startup structures, one added by each TSR
	DS:SI -> routine that switches virtual-8086 mode off and on (for
	  memory managers)
Note:	a TSR that gets this call passes it on to the earlier handler first
	  and then adds its own structure
SeeAlso: AX=1608h

--------W-2F1680--------------------------------------------
INT 2F - MS Windows, DPMI, various - HAND BACK THE REST OF THE SLICE
	AX = 1680h
Return:	AL = 00h when the call is known
	AL = 80h (as it was) when it is not
Note:	a program that loops while waiting for a key or another event should
	  make this call, so the multitasker knows the rest of its time
	  can go to others
SeeAlso: INT 15/AX=1000h,INT 28,INT 7A/BX=000Ah

--------W-2F1683--------------------------------------------
INT 2F - MS Windows 3+ - WHICH VIRTUAL MACHINE IS THIS
	AX = 1683h
Return:	BX = number of the virtual machine that is running
Note:	Windows itself lives in the system VM, number 0001h
SeeAlso: AX=1684h/BX=0021h

--------W-2F1684BX0021--------------------------------------
INT 2F P - MS Windows - FIND VxD CALL ADDRESS - PAGEFILE
	AX = 1684h
	BX = 0021h (ID of the paging file VxD)
	ES:DI = 0000h:0000h
Return:	ES:DI -> address to call the VxD at, or 0:0 if it offers no calls
	  in the present mode
Note:	other values in BX give the call addresses of other virtual
	  devices
SeeAlso: AX=1683h,AX=1684h/BX=0001h

--------E-2F1687--------------------------------------------
INT 2F - DOS Protected-Mode Interface - IS A DPMI HOST THERE
	AX = 1687h
Return:	AX = 0000h when a host is present
	    BX = flags: bit 0 on when 32-bit programs can run
	    CL = processor (02h 80286, 03h 80386, 04h 80486)
	    DH = major version of DPMI
	    DL = minor version of DPMI, binary
	    SI = paragraphs of DOS memory the host needs for its own data
	    ES:DI -> address to call to switch into protected mode
	AX <> 0000h when there is no host
Note:	the program reserves SI paragraphs, puts their segment in ES, sets
	  bit 0 of AX if it wants to run as a 32-bit client and calls that
	  address to get into protected mode
SeeAlso: INT 31/AX=0400h,INT 31/AX=0000h

--------W-2F168F--------------------------------------------
INT 2F - Windows95 - CLOSE-AWARENESS - ALLOW OR REFUSE CLOSING
	AX = 168Fh
	DH = 00h
	DL = 00h refuse, 01h allow
Return:	AX = 0000h when it worked
Note:	a DOS program that allows closing has to ask now and then with
	  DH = 01h whether the user wants it to end
SeeAlso: AX=1680h

--------W-2F1700--------------------------------------------
INT 2F - MS Windows/WINOLDAP - WHICH WinOldAp IS THERE
	AX = 1700h
Return:	AX = 1700h when this WINOLDAP has no clipboard calls
	  at all
	AX <> 1700h: AL = major version, AH = minor version

--------W-2F1703--------------------------------------------
INT 2F - MS Windows/WINOLDAP - PUT DATA ON THE CLIPBOARD
	AX = 1703h
	DX = format: 01h text, 02h bitmap, 07h OEM text, 08h bitmap that does
	  not depend on the device
	ES:BX -> the data
	SI:CX = how many bytes of data
Return:	AX = 0000h failed, other values when it worked
SeeAlso: AX=1705h

--------V-2F1A00--------------------------------------------
INT 2F - DOS 4.0+ ANSI.SYS - IS ANSI.SYS LOADED
	AX = 1A00h
Return:	AL = FFh when loaded
Note:	a few console drivers from other makers answer as well
SeeAlso: AX=1A01h

--------m-2F4300--------------------------------------------
INT 2F - EXTENDED MEMORY MANAGER (XMS) - IS AN XMS DRIVER THERE
	AX = 4300h
Return:	AL = 80h an XMS driver is there
	AL <> 80h no XMS driver
SeeAlso: AX=4310h,INT 15/AH=88h

--------m-2F4310--------------------------------------------
INT 2F - EXTENDED MEMORY MANAGER (XMS) - WHERE TO CALL THE DRIVER
	AX = 4310h
Return:	ES:BX -> address of the driver
Notes:	every XMS call is a far call to that address, with the number of
	  the function in AH
	function 00h gives the version, 08h the free memory, 09h reserves a
	  block, 0Bh copies memory and 10h reserves an upper memory block
SeeAlso: AX=4300h,INT 15/AH=87h,INT 67/AH=40h

--------l-2F4800--------------------------------------------
INT 2F - DOSKEY - IS DOSKEY LOADED
	AX = 4800h
Return:	AL = 00h absent, other values loaded
SeeAlso: AX=4810h

--------l-2F4810--------------------------------------------
INT 2F - DOSKEY - LET THE USER TYPE A LINE WITH HISTORY
	AX = 4810h
	DS:DX -> buffer laid out as for INT 21/AH=0Ah
Return:	AX = 0000h when it worked
Note:	while typing, the user can recall earlier lines and use macros
SeeAlso: AX=4800h,INT 21/AH=0Ah

--------m-2F4A01--------------------------------------------
INT 2F - DOS 5+ - HOW MUCH OF THE HMA IS UNUSED
	AX = 4A01h
Return:	BX = bytes still free in the high memory area (0 when DOS
	  does not use it)
	ES:DI -> first free byte (FFFFh:FFFFh when there is none)
SeeAlso: AX=4A02h,AX=4310h

--------m-2F4A02--------------------------------------------
INT 2F - DOS 5+ - TAKE A PIECE OF THE HMA
	AX = 4A02h
	BX = how many bytes
Return:	ES:DI -> the piece reserved (FFFFh:FFFFh when it failed)
Note:	there is no way to give it back
SeeAlso: AX=4A01h

--------c-2F4A10BX0000--------------------------------------
INT 2F - SMARTDRV v4.00+ - IS IT LOADED, AND HOW WELL IT CACHES
	AX = 4A10h
	BX = 0000h
	CX = EBABh
Return:	AX = BABEh when loaded
	DX:BP = how many reads came from the cache
	DI:SI = how many reads had to go to the disk
	BX = cache elements not yet written
Note:	with that value in CX, other programs using this number keep quiet
SeeAlso: AX=4A10h/BX=0001h,AX=4A11h/BX=0000h

--------c-2F4A10BX0001--------------------------------------
INT 2F - SMARTDRV v4.00+ - WRITE ALL DIRTY DATA TO DISK
	AX = 4A10h
	BX = 0001h
Return:	nothing
Note:	call it before restarting the machine
SeeAlso: AX=4A10h/BX=0000h

--------k-2F4A11BX0000--------------------------------------
INT 2F - DBLSPACE.BIN - WHICH DRIVER VERSION
	AX = 4A11h
	BX = 0000h
Return:	AX = 0000h when loaded
	    BX = 444Dh ("DM")
	    CL = first drive letter taken by the driver
	    CH = how many drive letters it takes
	    DX = version number inside the driver (bits 14-0)
SeeAlso: AX=4A11h/BX=0001h

--------k-2F4A11BX0001--------------------------------------
INT 2F - DBLSPACE.BIN - IS A DRIVE COMPRESSED
	AX = 4A11h
	BX = 0001h
	DL = drive (0 = A:)
Return:	AX = 0000h when it worked
	    BL bit 7 on when the drive is a compressed volume; bits 6-0 are
	      then the host drive and BH the number of the volume file
SeeAlso: AX=4A11h/BX=0000h

--------T-2F4B01--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - COLLECT THE CLIENTS TO NOTIFY
	AX = 4B01h
	CX:DX -> address of the task switcher
	ES:BX = 0000h:0000h
Return:	ES:BX -> first client in the chain
Note:	every client that wants to hear about switches puts itself in the
	  chain and passes the call on
SeeAlso: AX=4B02h,AX=4B05h

--------T-2F4B02--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - IS A SWITCHER RUNNING
	AX = 4B02h
	BX = 0000h
	ES:DI = 0000h:0000h
Return:	AX = 0000h when a switcher is running, ES:DI -> its entry point
SeeAlso: AX=4B01h,AX=1600h"TASKHOP"

--------T-2F4B05--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - MEMORY TO SAVE FOR EACH TASK
	AX = 4B05h
	ES:BX = 0000h:0000h
Return:	ES:BX -> chain of structures listing memory that has to be kept
	  apart for every task
SeeAlso: AX=4B01h

--------K-2FAD80--------------------------------------------
INT 2F - DOS 3.3+ KEYB - IS KEYB LOADED
	AX = AD80h
Return:	AL = FFh when loaded
	    BX = version (BH = major, BL = minor)
	    ES:DI -> KEYB's data
SeeAlso: AX=AD81h,AX=AD82h

--------K-2FAD81--------------------------------------------
INT 2F - DOS 3.3+ KEYB - SWITCH THE KEYBOARD TO A CODE PAGE
	AX = AD81h
	BX = code page to use
Return:	CF on when it failed: AX = 0001h that code page is not loaded
SeeAlso: AX=AD80h

--------K-2FAD82--------------------------------------------
INT 2F - DOS 3.3+ KEYB - CHOOSE NATIONAL OR US LAYOUT
	AX = AD82h
	BL = 00h the national layout, FFh the US layout
Return:	CF on when it failed
Note:	does what Ctrl-Alt-F2 or Ctrl-Alt-F1 do from the keyboard
SeeAlso: AX=AD80h

--------l-2FAE00--------------------------------------------
INT 2F - DOS 3.3+ COMMAND.COM - RESIDENT COMMANDS - DOES A TSR OWN THIS NAME
	AX = AE00h
	DX = FFFFh
	CH = FFh
	CL = length of the rest of the command line
	DS:BX -> the command line
	DS:SI -> name of the command (length byte, then the name in capitals)
Return:	AL = FFh when a TSR will run this command, 00h when not
SeeAlso: AX=AE01h,INT 2E

--------l-2FAE01--------------------------------------------
INT 2F - DOS 3.3+ COMMAND.COM - RESIDENT COMMANDS - RUN THE COMMAND
	AX = AE01h
	DX = FFFFh
	CH = 00h
	DS:SI -> name of the command
Return:	the length byte of the name is 00h when the TSR has done the job,
	  or the name is changed to another command for COMMAND.COM to run
SeeAlso: AX=AE00h

--------V-2FB000--------------------------------------------
INT 2F - GRAFTABL - IS GRAFTABL LOADED
	AX = B000h
Return:	AL = 00h absent, FFh loaded
SeeAlso: INT 1F

--------f-2FB700--------------------------------------------
INT 2F - APPEND - IS APPEND LOADED
	AX = B700h
Return:	AL = 00h absent, FFh loaded
SeeAlso: AX=B702h,AX=B706h

--------f-2FB702--------------------------------------------
INT 2F - APPEND - WHICH APPEND VERSION
	AX = B702h
Return:	AX = FFFFh for an APPEND older than DOS 4, else AL = major, AH = minor
SeeAlso: AX=B700h

--------f-2FB706--------------------------------------------
INT 2F - APPEND - READ THE SWITCHES IN FORCE
	AX = B706h
Return:	BX = switches: bit 0 APPEND on, bit 13 /PATH, bit 14 /E, bit 15
	  /X
SeeAlso: AX=B707h,AX=B700h

--------N-2FB800--------------------------------------------
INT 2F - NETWORK - WHICH NETWORK PARTS ARE LOADED
	AX = B800h
Return:	AL = 00h absent, other values loaded
	BX = parts present: bit 2 messenger, bit 3 redirector,
	  bit 6 receiver, bit 7 server
SeeAlso: INT 2A/AH=00h

--------F-2FCB00--------------------------------------------
INT 2F - Communicating Applications interface (CAS) - IS A CAS MANAGER THERE
	AX = CB00h
Return:	AL = 00h absent, FFh loaded
Note:	defined by makers of fax boards so that programs can queue faxes and
	  file transfers without knowing the board in the machine
SeeAlso: AX=CB01h,AX=CB0Ah

--------F-2FCB01--------------------------------------------
INT 2F - Communicating Applications interface (CAS) - QUEUE A FAX OR FILE JOB
	AX = CB01h
	DS:DX -> path of the file describing the task, ASCIZ
Return:	AX >= 0000h number of the new event, AX < 0000h minus the error code
SeeAlso: AX=CB00h

--------Q-2FDE00--------------------------------------------
INT 2F - DESQview External Device Interface - IS XDI THERE
	AX = DE00h
	BX = 4445h ("DE")
	CX = 5844h ("XD")
	DX = 4931h ("I1")
Return:	AL = FFh when loaded
Note:	the odd values in the registers make an accidental answer from
	  another program unlikely
SeeAlso: INT 21/AX=2B01h/CX=4445h/DX=5351h

--------*-2FC4----------------------------------------------
--------A-2FC500--------------------------------------------
INT 2F - LEDGERPAD	- IS THE BOOKKEEPER RESIDENT
	AX = C500h
	BX = 4C50h ("LP")
Return:	AL = FFh if the resident part is loaded
	BX = 504Ch ("PL")
	CX = version (CH = major, CL = minor)
Program:	LEDGERPAD is a made-up pop-up bookkeeping program for this sample
InstallCheck:	the swapped signature in BX tells it apart from other programs that
	  use multiplex number C5h
SeeAlso: AX=C501h,INT 2D/AL=00h

--------A-2FC501--------------------------------------------
INT 2F - LEDGERPAD - WHICH LEDGER IS OPEN
	AX = C501h
	ES:DI -> 80-byte buffer
Return:	AL = 00h no ledger open
	AL = 01h buffer holds the ASCIZ path of the open ledger
SeeAlso: AX=C500h

--------a-2FC600--------------------------------------------
INT 2F - TALKPAD screen reader - IS THE READER RESIDENT
	AX = C600h
Return:	AL = FFh if installed
	BX = speech port (0000h internal speaker, 0001h-0004h COM1-COM4)
Program:	TALKPAD is a made-up screen reader for this sample which sends the
	  text under the cursor to a speech synthesizer
SeeAlso: AX=C601h,AX=C602h

--------a-2FC601--------------------------------------------
INT 2F - TALKPAD screen reader - SAY SOME TEXT
	AX = C601h
	DS:SI -> ASCIZ text
	CL = voice rate (00h slowest, 09h fastest)
Return:	AL = 00h queued, 01h speech queue full
Note:	the text is spoken after what is already queued
SeeAlso: AX=C600h,AX=C602h

--------a-2FC602--------------------------------------------
INT 2F - TALKPAD screen reader - STOP TALKING
	AX = C602h
Return:	nothing
Note:	empties the speech queue at once
SeeAlso: AX=C601h

--------e-2FC700--------------------------------------------
INT 2F - POSTBAG mail notifier - IS THE NOTIFIER RESIDENT
	AX = C700h
Return:	AL = FFh if installed
	ES:BX -> ASCIZ name of the mailbox directory being watched
Program:	POSTBAG is a made-up resident program for this sample that beeps when
	  a new message file appears in a shared network directory
SeeAlso: AX=C702h,INT 21/AX=5F02h

--------e-2FC702--------------------------------------------
INT 2F - POSTBAG mail notifier - COUNT THE MESSAGES NOT YET READ
	AX = C702h
Return:	CX = number of unread messages
	DX = number of messages marked urgent
SeeAlso: AX=C700h

--------g-2FC800--------------------------------------------
INT 2F - HOTSEAT game loader - IS THE LOADER RESIDENT
	AX = C800h
Return:	AL = FFh if installed
	BL = number of players registered
Program:	HOTSEAT is a made-up loader for this sample which keeps scores of
	  several players across game sessions
SeeAlso: AX=C801h

--------g-2FC801--------------------------------------------
INT 2F - HOTSEAT game loader - STORE A PLAYER'S POINTS
	AX = C801h
	BL = player number
	DX:CX = score
Return:	AL = 00h recorded, 01h new high score
SeeAlso: AX=C800h

--------i-2FC900--------------------------------------------
INT 2F - SYSPEEK system monitor - IS THE MONITOR RESIDENT
	AX = C900h
Return:	AL = FFh if installed
	BX = sampling interval in clock ticks
Program:	SYSPEEK is a made-up resident system monitor for this sample
SeeAlso: AX=C901h,AX=C902h

--------i-2FC901--------------------------------------------
INT 2F - SYSPEEK system monitor - HOW BUSY THE CPU WAS
	AX = C901h
Return:	AL = percentage of ticks spent outside the DOS idle loop during the
	  last sampling interval
SeeAlso: AX=C900h,INT 28

--------i-2FC902--------------------------------------------
INT 2F - SYSPEEK system monitor - HOW WARM THE BOARD IS
	AX = C902h
Return:	CF clear if a sensor was found
	    AX = temperature in 1/10 øC
	CF set if no sensor is present
Note:	the value is read from a temperature sensor on the system management
	  bus; readings above 700 (70øC) make SYSPEEK beep
Index:	CPU load;temperature;system management bus;SMBus;sensor;monitor;beep;threshold;sampling interval;clock ticks;resident monitor;SYSPEEK;board temperature;thermal alarm;fan;hardware health;made-up program for testing very long lines in the viewer
--------I-2FCA00--------------------------------------------
INT 2F - TERMLINK 3270 emulator - IS THE EMULATOR RESIDENT
	AX = CA00h
Return:	AL = FFh if installed
	BX = number of host sessions configured
Program:	TERMLINK is a made-up terminal emulator for this sample which connects
	  a PC to a mainframe through a coax adapter card
SeeAlso: AX=CA01h

--------I-2FCA01--------------------------------------------
INT 2F - TERMLINK 3270 emulator - TYPE KEYS INTO A HOST SESSION
	AX = CA01h
	BL = session number
	DS:SI -> ASCIZ keystroke string; "@E" stands for the Enter key
Return:	AL = 00h sent, 01h session busy, 02h session not connected
SeeAlso: AX=CA00h

--------n-2FCC00DI5050--------------------------------------
INT 2F - PENPAD pen input driver - IS THE DRIVER RESIDENT
	AX = CC00h
	DI = 5050h ("PP")
Return:	AL = FFh if installed
	DI = 7070h
	BX = tablet resolution in points per inch
Program:	PENPAD is a made-up driver for this sample that turns pen strokes on a
	  serial tablet into keystrokes and mouse movement
SeeAlso: INT 33/AX=0000h,INT 14/AH=00h

--------R-2FCD00BX5248--------------------------------------
INT 2F - REMOTEHAND remote control - IS THE HOST RESIDENT
	AX = CD00h
	BX = 5248h ("RH")
Return:	AL = FFh if installed
	BX = 0000h if no remote user is connected, else the modem port number
Program:	REMOTEHAND is a made-up host program for this sample which lets a
	  caller on another PC see this screen and type on this keyboard
SeeAlso: AX=CD01h,INT 14/AH=04h

--------R-2FCD01--------------------------------------------
INT 2F - REMOTEHAND remote control - HANG UP ON THE CALLER
	AX = CD01h
Return:	AL = 00h disconnected, 01h nobody was connected
SeeAlso: AX=CD00h/BX=5248h

--------s-2FCE00--------------------------------------------
INT 2F - TUNEBOX sound driver - IS THE DRIVER RESIDENT
	AX = CE00h
Return:	AL = FFh if installed
	BX = base I/O port of the sound card
	CL = IRQ
	CH = DMA channel
Program:	TUNEBOX is a made-up sound driver for this sample
SeeAlso: AX=CE01h,PORT 0220h

--------s-2FCE01--------------------------------------------
INT 2F - TUNEBOX sound driver - SOUND ONE NOTE
	AX = CE01h
	BL = MIDI note number
	BH = velocity
	CX = duration in milliseconds
Return:	AL = 00h queued
SeeAlso: AX=CE00h

--------u-2FCF00--------------------------------------------
INT 2F - PETEMU home computer emulator - IS THE EMULATOR RESIDENT
	AX = CF00h
Return:	AL = FFh if installed
	BX = emulated machine: 0001h 8-bit home computer, 0002h game console
Program:	PETEMU is a made-up emulator for this sample which keeps a snapshot
	  of the emulated machine in expanded memory
SeeAlso: AX=CF01h,INT 67/AH=43h

--------u-2FCF01--------------------------------------------

--------x-2FD000--------------------------------------------
INT 2F - NVSTORE configuration keeper - IS THE KEEPER RESIDENT
	AX = D000h
Return:	AL = FFh if installed
Program:	NVSTORE is a made-up utility for this sample that keeps a few named
	  settings in the unused bytes of the CMOS RAM
SeeAlso: AX=D001h,CMOS 40h

--------x-2FD001--------------------------------------------
INT 2F - NVSTORE configuration keeper - LOOK UP A NAMED VALUE
	AX = D001h
	DS:SI -> ASCIZ setting name (up to 8 characters)
Return:	CF clear if found: DX = value
	CF set if there is no such setting
SeeAlso: AX=D000h,PORT 0070h

--------y-2FD100--------------------------------------------
INT 2F - LOCKUP password guard - IS THE GUARD RESIDENT
	AX = D100h
Return:	AL = FFh if installed
	BL = 00h unlocked, 01h screen locked
Program:	LOCKUP is a made-up security program for this sample which blanks the
	  screen and ignores the keyboard until a password is typed
SeeAlso: AX=D101h

--------y-2FD101--------------------------------------------
INT 2F - LOCKUP password guard - LOCK THE MACHINE AT ONCE
	AX = D101h
Return:	AL = 00h locked
Note:	there is deliberately no call to unlock
SeeAlso: AX=D100h

--------U-2FD200--------------------------------------------
INT 2F - CLOCKDIAL resident clock - IS THE CLOCK RESIDENT
	AX = D200h
Return:	AL = FFh if installed
	DH,DL = row,column where the clock is shown
Program:	CLOCKDIAL is a made-up utility for this sample that shows the time in
	  a corner of the text screen
SeeAlso: AX=D201h,INT 1C

--------U-2FD201--------------------------------------------
INT 2F - CLOCKDIAL resident clock - PUT THE CLOCK ELSEWHERE
	AX = D201h
	DH,DL = new row,column
Return:	nothing
SeeAlso: AX=D200h,INT 10/AH=02h

--------L-2FD300--------------------------------------------
INT 2F - LOOMTERM - IS IT RESIDENT
	AX = D300h
Return:	AL = FFh if installed
Program:	LOOMTERM is a made-up program for this sample whose category letter is
	  not in the category key at the start of this list
SeeAlso: AX=D400h/BP=4F4Fh

--------o-2FD400BP4F4F--------------------------------------
INT 2F - ODDMENT TOOLKIT - IS IT RESIDENT
	AX = D400h
	BP = 4F4Fh ("OO")
Return:	AL = FFh if installed
	BP = 0000h
Program:	ODDMENT is a made-up toolkit for this sample; its category letter is
	  not described anywhere either
SeeAlso: AX=D300h

--------c-2FD500--------------------------------------------
INT 2F - DISKHOLD disk cache - IS THE CACHE RESIDENT
	AX = D500h
Return:	AL = FFh if installed
	BX = cache size in kilobytes
Program:	DISKHOLD is a made-up read-ahead cache for this sample
SeeAlso: AX=D502h/SF=0001h,AX=4A10h/BX=0000h

--------c-2FD502SF0001--------------------------------------
INT 2F - DISKHOLD disk cache - STATISTICS - FETCH THE COUNTERS
	AX = D502h
	ES:DI -> request block whose first word (the subfunction) is 0001h
Return:	AL = 00h if successful, request block filled with hit and miss
	  counters for each drive
Note:	subfunction 0002h resets the counters
SeeAlso: AX=D500h,AX=D502h/SF=0002h

--------G-2FD600--------------------------------------------
INT 2F - TRACER resident debugger - IS THE DEBUGGER RESIDENT
	AX = D600h
Return:	AL = FFh if installed
	ES:BX -> entry point that enters the debugger with the caller's
	  registers
Program:	TRACER is a made-up debugger for this sample that pops up on a
	  hot key or on INT 03
SeeAlso: INT 03,INT 01,INT 41/AX=004Fh

--------E-310000--------------------------------------------
INT 31 P - DPMI 0.9+ - RESERVE SELECTORS IN THE LDT
	AX = 0000h
	CX = how many descriptors
Return:	CF off when it worked: AX = first selector
	CF on when it failed: AX = error code (8011h no descriptors left)
Note:	they arrive as present data segments with base and limit zero;
	  the value given by AX=0003h leads from one selector to the next
SeeAlso: AX=0007h

--------E-310006--------------------------------------------
INT 31 P - DPMI 0.9+ - WHERE A SELECTOR STARTS
	AX = 0006h
	BX = selector
Return:	CF off when it worked: CX:DX = linear address where it starts
	CF on when it failed: AX = 8022h not a valid selector
SeeAlso: AX=0007h

--------E-310007--------------------------------------------
INT 31 P - DPMI 0.9+ - MOVE THE START OF A SELECTOR
	AX = 0007h
	BX = selector
	CX:DX = new linear start address
Return:	CF off when it worked
	CF on when it failed: AX = error code (8022h, 8025h)
SeeAlso: AX=0006h

--------E-310100--------------------------------------------
INT 31 P - DPMI 0.9+ - TAKE CONVENTIONAL MEMORY BELOW 1 MB
	AX = 0100h
	BX = size in paragraphs
Return:	CF off when it worked
	    AX = segment of the block for real mode
	    DX = selector of the block for protected mode
	CF on when it failed
	    AX = DOS error code
	    BX = largest block there is
SeeAlso: INT 21/AH=48h

--------E-310200--------------------------------------------
INT 31 P - DPMI 0.9+ - READ A REAL-MODE VECTOR
	AX = 0200h
	BL = which interrupt
Return:	CF off: CX:DX = segment:offset of the real-mode routine
SeeAlso: AX=0204h

--------E-310300--------------------------------------------
INT 31 P - DPMI 0.9+ - RUN A REAL-MODE INTERRUPT FROM PROTECTED MODE
	AX = 0300h
	BL = which interrupt
	BH = flags (bit 0 resets the interrupt controller and the A20 line)
	CX = words to copy from the protected-mode stack to the real-mode one
	ES:(E)DI -> register block for real mode (see #02800)
Return:	CF off when it worked: the block holds the real-mode registers as
	  the interrupt left them
	CF on when it failed: AX = error code

Format of the DPMI real-mode register block:
Offset	Size	Description	(Table 02800)
 00h	DWORD	EDI
 04h	DWORD	ESI
 08h	DWORD	EBP
 0Ch	DWORD	unused (0)
 10h	DWORD	EBX
 14h	DWORD	EDX
 18h	DWORD	ECX
 1Ch	DWORD	EAX
 20h	WORD	flags
 22h	WORD	ES
 24h	WORD	DS
 26h	WORD	FS
 28h	WORD	GS
 2Ah	WORD	IP (not used by this call)
 2Ch	WORD	CS (not used by this call)
 2Eh	WORD	SP (0000h makes the host provide a stack)
 30h	WORD	SS
SeeAlso: AX=0301h,AX=0302h,INT 21/AX=2503h"Phar Lap"

--------E-310400--------------------------------------------
INT 31 P - DPMI 0.9+ - WHICH DPMI HOST AND VERSION
	AX = 0400h
Return:	CF off
	    AH = major version, AL = minor version
	    BX = flags: bit 0 a 32-bit host, bit 1 interrupts go to real
	      mode, bit 2 virtual memory is available
	    CL = processor
	    DH = base vector of the master controller, DL = that of the slave
SeeAlso: INT 2F/AX=1687h

--------E-310500--------------------------------------------
INT 31 P - DPMI 0.9+ - TAKE A BLOCK OF LINEAR MEMORY
	AX = 0500h
	BX:CX = bytes wanted
Return:	CF off when it worked
	    BX:CX = linear address of the block
	    SI:DI = handle used to free the block or change its size
	CF on if it failed: AX = error code (8012h, 8013h, 8014h, 8016h, 8021h)
Note:	no selector comes with it; build one with AX=0007h
	  and AX=0008h
SeeAlso: AX=0007h

--------E-310600--------------------------------------------
INT 31 P - DPMI 0.9+ - KEEP A RANGE FROM BEING PAGED OUT
	AX = 0600h
	BX:CX = linear address where the range starts
	SI:DI = size of the range in bytes
Return:	CF off when it worked
	CF on when it failed: AX = error code (8013h, 8017h, 8025h)
Note:	with a virtual memory host, interrupt handlers and all data they use
	  have to be locked
SeeAlso: AX=0601h

--------M-330000--------------------------------------------
INT 33 - MS MOUSE - START THE DRIVER AFRESH AND COUNT BUTTONS
	AX = 0000h
Return:	AX = 0000h no mouse or no driver, FFFFh driver and mouse
	  ready
	BX = buttons (0000h not two, 0002h two,
	  0003h three, as on Mouse Systems and Logitech mice, FFFFh two)
Notes:	the pointer is hidden, put in the middle of the screen and gets its
	  standard shape; any event routines are unhooked
	make sure the vector is not zero before the call, since DOS 2.x
	  does not fill it in
SeeAlso: AX=0001h,INT 74

--------M-330001--------------------------------------------
INT 33 - MS MOUSE - MAKE THE POINTER VISIBLE
	AX = 0001h
Return:	nothing
Note:	the driver counts hide and show calls; the pointer appears only while
	  the count is zero, so every hide needs a show to undo it
SeeAlso: AX=0002h

--------M-330002--------------------------------------------
INT 33 - MS MOUSE - MAKE THE POINTER INVISIBLE
	AX = 0002h
Return:	nothing
Note:	make the pointer invisible before drawing on the screen beneath it
SeeAlso: AX=0001h

--------M-330003--------------------------------------------
INT 33 - MS MOUSE - WHERE THE POINTER IS, WHICH BUTTONS ARE DOWN
	AX = 0003h
Return:	BX = buttons down: bit 0 left, bit 1 right, bit 2 middle
	CX = column
	DX = row
Note:	text modes report multiples of 8; divide by 8 for the character
	  cell
SeeAlso: AX=0004h

--------M-330004--------------------------------------------
INT 33 - MS MOUSE - PUT THE POINTER SOMEWHERE
	AX = 0004h
	CX = column
	DX = row
Return:	nothing
SeeAlso: AX=0003h

--------M-330009--------------------------------------------
INT 33 - MS MOUSE - SHAPE OF THE POINTER IN GRAPHICS MODES
	AX = 0009h
	BX = column of the hot spot within the 16x16 picture (-16 to 16)
	CX = row of the hot spot
	ES:DX -> 32 words: 16 for the screen mask, then 16 for the cursor mask
Return:	nothing
Note:	the screen is ANDed with the first mask, then XORed with the second
SeeAlso: AX=000Ah,AX=0012h

--------M-33000A--------------------------------------------
INT 33 - MS MOUSE - SHAPE OF THE POINTER IN TEXT MODES
	AX = 000Ah
	BX = 0000h a drawn cursor, 0001h the cursor of the video card
	CX = screen mask, or first scan line of the card's cursor
	DX = cursor mask, or last scan line of the card's cursor
Return:	nothing
SeeAlso: AX=0009h,INT 10/AH=01h

--------M-33000B--------------------------------------------
INT 33 - MS MOUSE - HOW FAR THE MOUSE HAS MOVED
	AX = 000Bh
Return:	CX = sideways movement in mickeys since the call before
	DX = up and down movement in mickeys since the call before
Note:	a mickey is the smallest step a mouse can report, on many mice
	  1/200 inch
SeeAlso: AX=0003h

--------M-33000C--------------------------------------------
INT 33 - MS MOUSE - HOOK A ROUTINE TO MOUSE EVENTS
	AX = 000Ch
	CX = which events (see #03000)
	ES:DX -> far routine to call
Return:	nothing
Note:	the routine gets AX = events, BX = buttons, CX,DX = position and
	  SI,DI = last movement counts; it has to end with RETF

Bitfields for mouse event mask:
Bit(s)	Description	(Table 03000)
 0	the pointer moved
 1	left button went down
 2	left button came up
 3	right button went down
 4	right button came up
 5	middle button went down
 6	middle button came up
SeeAlso: AX=0018h,INT 15/AX=C207h

--------M-330024--------------------------------------------
INT 33 - MS MOUSE v6.26+ - DRIVER VERSION, HARDWARE KIND AND IRQ LINE
	AX = 0024h
Return:	AX = FFFFh when it failed
	otherwise
	    BH = major version
	    BL = minor version
	    CH = kind: 01h bus, 02h serial, 03h InPort, 04h PS/2, 05h HP
	    CL = IRQ: 00h PS/2, 02h IRQ2, 03h IRQ3, ..., 07h IRQ7
SeeAlso: AX=0000h

--------r-34------------------------------------------------
INT 34 - FLOATING POINT EMULATION - STANDS FOR OPCODE D8h
Desc:	compilers that emulate floating point put INT 34h-3Bh where the
	  coprocessor opcodes D8h-DFh would go; the runtime routine either
	  does the work itself or turns the INT back into the real opcode
Note:	INT 3C stands for instructions with a segment prefix and INT 3D
	  for an FWAIT on its own
SeeAlso: INT 3C,INT 3D,INT 07

--------r-3C------------------------------------------------
INT 3C - FLOATING POINT EMULATION - OPCODE WITH A SEGMENT PREFIX
Desc:	the instruction has a segment prefix; the byte after the INT holds
	  the opcode and the segment register together
SeeAlso: INT 34

--------r-3D------------------------------------------------
INT 3D - FLOATING POINT EMULATION - LONE FWAIT
Desc:	the emulator puts this call in place of a WAIT instruction
SeeAlso: INT 34

--------r-3F------------------------------------------------
INT 3F - OVERLAY LOADER CALL
Desc:	code produced by some linkers uses INT 3Fh to bring an overlay into
	  memory before calling a routine inside it
Note:	the overlay number is the byte after the INT instruction, and the
	  word after it is the offset of the routine within the overlay

--------G-41004F--------------------------------------------
INT 41 - MS Windows debugging kernel - IS A SYSTEM DEBUGGER THERE
	AX = 004Fh
Return:	AX = F386h when a system debugger is loaded
Note:	on AT class machines this vector is also the address of the first
	  hard disk's table, so make the check only while in protected
	  mode
SeeAlso: INT 41,INT 03,INT 2F/AX=D600h,INT 2F/AX=1684h/BX=0021h,INT 2F/AX=1600h"Windows"

--------B-41------------------------------------------------
INT 41 - SYSTEM DATA - GEOMETRY OF THE FIRST HARD DISK
Desc:	not meant to be called; the vector holds the address of 16 bytes
	  that describe the layout of the first hard disk
Note:	the bytes give the cylinders, heads, write precompensation
	  cylinder, control byte, landing zone and sectors on each track
SeeAlso: INT 13/AH=08h,CMOS 12h

--------V-43------------------------------------------------
INT 43 - VIDEO DATA - FONT FOR GRAPHICS MODES (EGA,MCGA,VGA)
Desc:	holds the address of the font for graphics modes; the font calls of
	  INT 10/AH=11h change it
SeeAlso: INT 1F,INT 10/AX=1130h

--------B-4A------------------------------------------------
INT 4A - SYSTEM - CALLED WHEN THE CMOS ALARM GOES OFF
Desc:	the CMOS clock interrupt routine calls this when the alarm armed with
	  INT 1A/AH=06h goes off
Note:	the BIOS lets it point at an IRET
SeeAlso: INT 1A/AH=06h,INT 70

--------m-4B8102--------------------------------------------
INT 4B - Virtual DMA Services (VDS) - WHICH VDS VERSION
	AX = 8102h
	DX = 0000h
Return:	CF off when it worked
	    AH = major version, AL = minor version
	    BX = number of the product
	    CX = revision of the product
	    SI:DI = largest DMA buffer there is
	    DX = flags: bit 0 PC/XT bus, bit 1 the buffer is in the first 1 MB,
	      bit 2 remapping is automatic, bit 3 all memory is contiguous
Note:	look at bit 5 of 0040h:007Bh before the call; a loaded VDS driver
	  sets it
SeeAlso: MEM 0040h:007Bh

--------N-5C------------------------------------------------
INT 5C - NETBIOS CALLS
	ES:BX -> control block (see #04000)
Return:	AL = status (00h done, FBh NetBIOS not loaded, FFh the command
	  has not finished yet)
Note:	to see whether it is there, issue the unknown command 7Fh and look
	  for the answer 03h (command not valid)

Format of network control block:
Offset	Size	Description	(Table 04000)
 00h	BYTE	command; bit 7 on: return at once and call the post routine
		  when the command is done
 01h	BYTE	return code
 02h	BYTE	local session number
 03h	BYTE	name number
 04h	DWORD	-> data buffer
 08h	WORD	length of the data buffer
 0Ah 16 BYTEs	remote name
 1Ah 16 BYTEs	local name
 2Ah	BYTE	time allowed for receiving, in units of 500 ms
 2Bh	BYTE	time allowed for sending, in units of 500 ms
 2Ch	DWORD	-> post routine, 0000h:0000h for none
 30h	BYTE	which adapter
 31h	BYTE	set when the command is done
SeeAlso: INT 2A/AH=00h,INT 2F/AX=B800h

--------N-6001----------------------------------------------
INT 60 - PC/TCP PACKET DRIVER - DESCRIBE THE DRIVER
	AX = 01FFh
	BX = handle (some drivers only)
Return:	CF off when it worked
	    BX = version
	    CH = kind of interface (01h Ethernet, 06h SLIP, ...)
	    DX = model of the interface
	    CL = which interface
	    DS:SI -> name of the driver, ASCIZ
	    AL = calls offered (01h basic, 02h basic and extended, 05h basic and
	      high-performance, 06h all of them)
	CF on when it failed: DH = error code
Notes:	the driver may use any vector from 60h to 80h; it is recognized by
	  the text "PKT DRVR" three bytes past the start of its handler
	only the driver on vector 60h is shown in this sample
Range:	INT 60 to INT 80, searched for the signature
SeeAlso: AH=02h

--------N-6002----------------------------------------------
INT 60 - PC/TCP PACKET DRIVER - ASK FOR PACKETS OF ONE TYPE
	AH = 02h
	AL = kind of interface
	BX = model of the interface (FFFFh any)
	DL = which interface
	DS:SI -> packet type wanted, as a pattern of bytes
	CX = length of the pattern
	ES:DI -> routine that receives the packets
Return:	CF off when it worked: AX = handle
	CF on when it failed: DH = error code
Note:	the routine is called twice for each packet: first with AX = 0000h
	  to ask for a buffer (given back in ES:DI), then with AX = 0001h once
	  the data is in it
SeeAlso: AH=01h,AH=03h

--------m-6740----------------------------------------------
INT 67 - LIM EMS - IS THE MANAGER WORKING
	AH = 40h
Return:	AH = status: 00h working, 80h error inside the manager, 81h fault
	  in the hardware, 84h unknown function
Note:	before the first call, look for the name "EMMXXXX0" at offset 0Ah of
	  the segment the vector points into
SeeAlso: AH=41h,AH=46h

--------m-6741----------------------------------------------
INT 67 - LIM EMS - WHERE THE PAGE FRAME IS
	AH = 41h
Return:	AH = status (see #03500)
	BX = segment of the 64K frame
SeeAlso: AH=58h

(Table 03500)
Values for EMS function status:
 00h	done
 80h	error inside the manager
 81h	fault in the hardware
 83h	no such handle
 84h	function not known
 85h	all handles are in use
 87h	more pages asked for than there are
 88h	more pages asked for than are free
 89h	asked for no pages at all
 8Ah	logical page beyond those of the handle
 8Bh	no such physical page

--------m-6743----------------------------------------------
INT 67 - LIM EMS - OPEN A HANDLE WITH PAGES
	AH = 43h
	BX = how many logical pages
Return:	AH = status (see #03500)
	DX = the handle, when AH = 00h
Note:	EMS 4.0 also hands out handles without pages, through AH=5Ah
SeeAlso: AH=44h,AH=45h,#03500

--------m-6744----------------------------------------------
INT 67 - LIM EMS - SHOW A LOGICAL PAGE IN THE FRAME
	AH = 44h
	AL = page of the frame to use (0-3)
	BX = logical page, or FFFFh to empty that frame page (EMS 4.0)
	DX = handle
Return:	AH = status (see #03500)
SeeAlso: AH=43h,AH=50h

--------m-6745----------------------------------------------
INT 67 - LIM EMS - CLOSE A HANDLE AND FREE ITS PAGES
	AH = 45h
	DX = handle
Return:	AH = status (see #03500); 86h while a saved mapping still belongs
	  to the handle
Note:	close every handle before the program ends, or its pages stay
	  taken until the machine restarts
SeeAlso: AH=43h

--------m-6746----------------------------------------------
INT 67 - LIM EMS - WHICH EMS VERSION
	AH = 46h
Return:	AH = status (see #03500)
	AL = version, BCD (32h = 3.2, 40h = 4.0)
SeeAlso: AH=40h

--------m-675700--------------------------------------------
INT 67 - LIM EMS 4.0 - COPY BETWEEN CONVENTIONAL AND EXPANDED MEMORY
	AX = 5700h
	DS:SI -> block: DWORD size, then for the source and for the
	  target a kind byte (00h conventional, 01h expanded), a WORD
	  handle, a WORD offset and a WORD segment or logical page
Return:	AH = status (see #03500)
Note:	overlapping ranges are copied correctly, and the pages shown in the
	  frame stay as they were
SeeAlso: AX=5701h

--------m-67DE00--------------------------------------------
INT 67 - Virtual Control Program Interface - IS VCPI THERE
	AX = DE00h
Return:	AH = 00h when VCPI is there
	    BH = major version, BCD
	    BL = minor version, BCD
	AH not zero when it is not
Note:	DOS extenders use VCPI to reach protected mode while a memory
	  manager already keeps DOS in virtual-8086 mode
SeeAlso: AX=DE0Ch,INT 2F/AX=1687h

--------m-67DE0C--------------------------------------------
INT 67 - Virtual Control Program Interface - LEAVE V86 MODE FOR PROTECTED MODE
	AX = DE0Ch
	ESI = linear address, below 1 MB, of a block with the new CR3,
	  pointers to the GDTR and IDTR values, LDTR, TR and the CS:EIP to go to
Return:	now in protected mode, interrupts off
SeeAlso: INT 15/AH=89h

--------H-70------------------------------------------------
INT 70 H - IRQ8 - CMOS CLOCK INTERRUPT
Desc:	raised for the periodic interrupt (1024 a second) while a wait runs,
	  and for the alarm
Note:	the routine has to read CMOS register 0Ch, or the clock stops sending
	  interrupts
SeeAlso: INT 4A,INT 15/AH=86h,CMOS 0Ch

--------H-71------------------------------------------------
INT 71 H - IRQ9 - PASSED ON TO INT 0A BY THE BIOS
Desc:	cards using the IRQ2 pin of the bus end up here; the BIOS routine
	  tells the slave controller it is done and calls INT 0A
SeeAlso: INT 0A

--------H-74------------------------------------------------
INT 74 H - IRQ12 - PS/2 MOUSE PORT (PS)
Desc:	interrupt of the PS/2 mouse port; the BIOS collects three bytes and
	  then calls the routine hooked with INT 15/AX=C207h
SeeAlso: INT 15/AX=C207h,INT 33/AX=0000h

--------H-75------------------------------------------------
INT 75 H - IRQ13 - NUMERIC COPROCESSOR ERROR (AT and up)
Desc:	line for coprocessor errors; the BIOS routine resets the busy latch
	  with a write to port F0h and calls INT 02, as the PC would have done
SeeAlso: INT 02,PORT 00F0h

--------H-76------------------------------------------------
INT 76 H - IRQ14 - FIRST IDE CHANNEL (AT and later)
Desc:	interrupt of the first IDE channel; the BIOS routine sets the byte at
	  0040h:008Eh, which the INT 13 code is waiting for
SeeAlso: INT 77,INT 13/AH=02h,PORT 01F0h-01F7h

--------H-77------------------------------------------------
INT 77 H - IRQ15 - SECOND IDE CHANNEL (AT and later)
Desc:	most boards give it to the second IDE channel; on older machines
	  nothing used it
SeeAlso: INT 76

--------N-7ABX0000------------------------------------------
INT 7A - Novell NetWare - IPX - CLAIM A SOCKET
	BX = 0000h
	AL = how long the socket lives: 00h until the program ends, FFh until
	  it is closed
	DX = socket wanted (0000h for any free one), high byte first
Return:	AL = status: 00h done, FEh no room for more sockets, FFh the socket
	  is open already
	DX = the socket
Note:	programs in protected mode call the address from INT 2F/AX=7A00h
	  instead
SeeAlso: INT 7A/BX=0001h,INT 7A/BX=000Ah

--------N-7ABX000A------------------------------------------
INT 7A - Novell NetWare - IPX - LET THE DRIVER WORK
	BX = 000Ah
Return:	nothing
Note:	lets the network driver do its work; a program that waits for
	  packets should call it inside its loop
SeeAlso: INT 7A/BX=0000h,INT 2F/AX=1680h

--------O-80------------------------------------------------
INT 80 - Linux - KERNEL ENTRY (i386)
	EAX = number of the call (01h exit, 03h read, 04h write, 05h open)
	EBX, ECX, EDX, ESI, EDI, EBP = first to sixth argument
Return:	EAX = result, or an error as a negative number from -4095 to -1
Note:	the vector is a trap gate of privilege level 3, so user code can
	  reach it; 64-bit programs enter the kernel with SYSCALL instead
SeeAlso: INT 21/AH=4Ch,MSR C0000082h

--------!---Admin-------------------------------------------
This sample list was put together by the ZELT Viewer team for testing.
Entries marked "made-up" describe programs that never existed; every
other entry states well-known facts in our own words and may still have
mistakes.  Please report them on the project's tracker.

--------*-FF------------------------------------------------
INT FF - SAMPLE LIST - CLOSING ENTRY
Desc:	the only job of this entry is to end the sample list; nothing follows
	  it, not even a divider line
Note:	the topic in front of this one holds the admin notes and has no title
	  line
SeeAlso: INT 00,INT 10,INT 21,INT 2F,INT 99
