<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KR615B</name>
    <message>
        <source>KR615B DadezEvur V1.0</source>
        <translation>KR615B DadezEvur V1.0 语音芯片工具</translation>
    </message>
    <message>
        <source>%1 - KR615B DadezEvur V1.0</source>
        <translation>%1 - KR615B DadezEvur V1.0 语音芯片工具</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>模式(&amp;M)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>操作(&amp;O)</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>新建项目(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>打开项目(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As Project</source>
        <translation>项目另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close Project</source>
        <translation>关闭项目(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Load External BIN</source>
        <translation>载入外部 BIN(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Convert MP3/WMA to WAV</source>
        <translation>MP3/WMA 转换为 WAV(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Background Music</source>
        <translation>背景音乐(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;MP3</source>
        <translation>MP3(&amp;M)</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>&amp;One Line</source>
        <translation>一线(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Three Lines</source>
        <translation>三线(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Parallel Port</source>
        <translation>并口(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Matrix 3x8</source>
        <translation>3x8 矩阵(&amp;M)</translation>
    </message>
    <message>
        <source>Compile (Save BIN)</source>
        <translation>编译(保存 BIN)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Key Setup</source>
        <translation>按键设置(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Equation Setup</source>
        <translation>方程设置(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Download Data</source>
        <translation>下载数据(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>英文(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Help Content</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>编译</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Download Data</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>Recover Project from BIN...</source>
        <translation>从 BIN 恢复工程...</translation>
    </message>
    <message>
        <source>A project already exists there: %1</source>
        <translation>该位置已有工程：%1</translation>
    </message>
    <message>
        <source>Project recovered from the BIN.</source>
        <translation>已从 BIN 恢复工程。</translation>
    </message>
    <message>
        <source>The BIN was made for %1M flash: choose %2M under &quot;Flash :&quot; to compile the same BIN.</source>
        <translation>该 BIN 是为 %1M 闪存生成的：请在“闪存”中选择 %2M，以编译出相同的 BIN。</translation>
    </message>
    <message>
        <source>These sounds could not be read and were left out:</source>
        <translation>以下声音无法读取，已略过：</translation>
    </message>
    <message>
        <source>Read Chip</source>
        <translation>读取芯片</translation>
    </message>
    <message>
        <source>Read the flash into a file and show what it holds</source>
        <translation>将闪存内容读入文件并显示其内容</translation>
    </message>
    <message>
        <source>Save the chip&apos;s content as</source>
        <translation>芯片内容另存为</translation>
    </message>
    <message>
        <source>Read into %1</source>
        <translation>已读入 %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>Chip read</source>
        <translation>芯片已读取</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>flashrom could not be started (%1).</source>
        <translation>无法启动 flashrom（%1）。</translation>
    </message>
    <message>
        <source>flashrom ended abnormally while reading.</source>
        <translation>flashrom 在读取时异常结束。</translation>
    </message>
    <message>
        <source>flashrom could not read the chip (exit status %1); see its output.</source>
        <translation>flashrom 无法读取芯片（退出状态 %1），请查看其输出。</translation>
    </message>
    <message>
        <source>flashrom wrote nothing to %1.</source>
        <translation>flashrom 未向 %1 写入任何内容。</translation>
    </message>
    <message>
        <source>No BIN has been written with this tool yet.</source>
        <translation>尚未用本工具写入过 BIN。</translation>
    </message>
    <message>
        <source>The chip holds the BIN last written: %1</source>
        <translation>芯片内容与上次写入的 BIN 相同：%1</translation>
    </message>
    <message>
        <source>The chip does NOT hold the BIN last written: %1</source>
        <translation>芯片内容与上次写入的 BIN 不同：%1</translation>
    </message>
    <message>
        <source>The chip is empty (erased).</source>
        <translation>芯片为空（已擦除）。</translation>
    </message>
    <message>
        <source>Mode: %1%2</source>
        <translation>模式：%1%2</translation>
    </message>
    <message>
        <source>, external mode</source>
        <translation>，外部模式</translation>
    </message>
    <message>
        <source>Sounds: %1</source>
        <translation>声音：%1</translation>
    </message>
    <message>
        <source>Equations: %1 (%2)</source>
        <translation>方程：%1（%2）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Flash used: %1 bytes</source>
        <translation>已用闪存：%1 字节</translation>
    </message>
    <message>
        <source>The chip does not hold a KR615B image: %1</source>
        <translation>芯片中不是 KR615B 映像：%1</translation>
    </message>
    <message>
        <source>Quick.Loader.A3 - write a KR615B BIN to flash</source>
        <translation>Quick.Loader.A3 - 将 KR615B BIN 烧录到闪存</translation>
    </message>
    <message>
        <source>BIN</source>
        <translation>BIN 文件</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Control mode:</source>
        <translation>控制模式：</translation>
    </message>
    <message>
        <source>Flash size chosen:</source>
        <translation>所选闪存容量：</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>编程器</translation>
    </message>
    <message>
        <source>The flashrom programmer string (flashrom -p)</source>
        <translation>flashrom 的编程器参数（flashrom -p）</translation>
    </message>
    <message>
        <source>identified by flashrom</source>
        <translation>由 flashrom 自动识别</translation>
    </message>
    <message>
        <source>Only when the chip answers as several types (flashrom -c)</source>
        <translation>仅在芯片被识别为多种型号时填写（flashrom -c）</translation>
    </message>
    <message>
        <source>Programmer:</source>
        <translation>编程器：</translation>
    </message>
    <message>
        <source>Chip type:</source>
        <translation>芯片型号：</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>flashrom&apos;s output appears here.</source>
        <translation>flashrom 的输出显示在此处。</translation>
    </message>
    <message>
        <source>%1: %p%</source>
        <translation>%1：%p%</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1: the BIN is larger than this flash</source>
        <translation>%1：BIN 超出此闪存容量</translation>
    </message>
    <message>
        <source>Not written yet</source>
        <translation>尚未写入</translation>
    </message>
    <message>
        <source>Choose the BIN</source>
        <translation>选择 BIN 文件</translation>
    </message>
    <message>
        <source>BIN files (*.bin);;All files (*)</source>
        <translation>BIN 文件 (*.bin);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Not written</source>
        <translation>未写入</translation>
    </message>
    <message>
        <source>flashrom is still writing. Stop it? The flash will then hold only part of the BIN.</source>
        <translation>flashrom 仍在写入。要停止吗？停止后闪存中只有部分 BIN。</translation>
    </message>
    <message>
        <source>No BIN chosen. Choose the BIN that Compile wrote next to the project file.</source>
        <translation>未选择 BIN。请选择编译时在项目文件旁生成的 BIN。</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Compile the project first, or choose another BIN.</source>
        <translation>文件 %1 不存在。请先编译项目，或选择其他 BIN。</translation>
    </message>
    <message>
        <source>%1 is not a file. Choose a BIN file.</source>
        <translation>%1 不是文件。请选择 BIN 文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>无法读取文件 %1：%2。</translation>
    </message>
    <message>
        <source>The file %1 is %2 bytes long, which no BIN is: a BIN is a power of two from 262,144 bytes (2M) to 8,388,608 bytes (64M). Choose the BIN that Compile wrote.</source>
        <translation>文件 %1 长 %2 字节，不是 BIN：BIN 的长度是 2 的幂，从 262,144 字节（2M）到 8,388,608 字节（64M）。请选择编译生成的 BIN。</translation>
    </message>
    <message>
        <source>The file %1 is not a KR615B BIN: its first byte is 0x%2, not 0xFF. Choose the BIN that Compile wrote.</source>
        <translation>文件 %1 不是 KR615B 的 BIN：其首字节为 0x%2，而不是 0xFF。请选择编译生成的 BIN。</translation>
    </message>
    <message>
        <source>One Line</source>
        <translation>一线</translation>
    </message>
    <message>
        <source>Three Line</source>
        <translation>三线</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>3x8 Matrix</source>
        <translation>3x8 矩阵</translation>
    </message>
    <message>
        <source>Parallel port</source>
        <translation>并口</translation>
    </message>
    <message>
        <source>unknown (code 0x%1)</source>
        <translation>未知（代码 0x%1）</translation>
    </message>
    <message>
        <source>%1M (%2 bytes)</source>
        <translation>%1M（%2 字节）</translation>
    </message>
    <message>
        <source>flashrom is missing: %1 cannot be started. Install the flashrom package (sudo apt install flashrom) and write again.</source>
        <translation>缺少 flashrom：无法启动 %1。请安装 flashrom 软件包（sudo apt install flashrom）后重新写入。</translation>
    </message>
    <message>
        <source>Stopped: flashrom was ended before it had finished, so the flash may hold part of the BIN. Write again.</source>
        <translation>已停止：flashrom 未完成就被终止，闪存中可能只有部分 BIN。请重新写入。</translation>
    </message>
    <message>
        <source>flashrom stopped unexpectedly, so the flash may hold part of the BIN. Its output above may say why; write again.</source>
        <translation>flashrom 意外终止，闪存中可能只有部分 BIN。上方的输出可能说明了原因；请重新写入。</translation>
    </message>
    <message>
        <source>Written and verified: %1 (%2).</source>
        <translation>已写入并校验通过：%1（%2）。</translation>
    </message>
    <message>
        <source>Nothing to write: the flash already holds %1 (%2); flashrom compared it byte for byte.</source>
        <translation>无需写入：闪存中已是 %1（%2）；flashrom 已逐字节比较。</translation>
    </message>
    <message>
        <source> The chip holds %1; after the BIN it holds 0xFF.</source>
        <translation>芯片容量为 %1；BIN 之后的部分为 0xFF。</translation>
    </message>
    <message>
        <source>flashrom does not know the programmer &quot;%1&quot;. Enter a programmer that flashrom supports, such as ch341a_spi.</source>
        <translation>flashrom 不支持编程器“%1”。请输入 flashrom 支持的编程器，例如 ch341a_spi。</translation>
    </message>
    <message>
        <source>No programmer found: flashrom could not open the programmer &quot;%1&quot;. Plug it in, check that you may use it (member of the plugdev group), check its settings in the programmer text, and write again.</source>
        <translation>未找到编程器：flashrom 无法打开编程器“%1”。请插好编程器，确认有权使用它（属于 plugdev 组），检查编程器参数中的设置，然后重新写入。</translation>
    </message>
    <message>
        <source>flashrom does not know the chip type &quot;%1&quot;. Leave the chip type empty to let flashrom identify the chip, or enter a name that flashrom -L lists.</source>
        <translation>flashrom 不支持芯片型号“%1”。请将芯片型号留空，由 flashrom 自动识别芯片，或输入 flashrom -L 列出的型号。</translation>
    </message>
    <message>
        <source>No flash chip found: the programmer answered but found no chip. Check that the chip sits the right way round in the socket or clip and has power, and write again.</source>
        <translation>未找到闪存芯片：编程器有响应，但未发现芯片。请检查芯片在插座或夹子中的方向是否正确、是否已供电，然后重新写入。</translation>
    </message>
    <message>
        <source>The chip answers as several chip types: %1. Enter the one printed on the chip as the chip type and write again.</source>
        <translation>芯片被识别为多种型号：%1。请将芯片上印的型号填为芯片型号，然后重新写入。</translation>
    </message>
    <message>
        <source>Chip too small: the chip holds %1, the BIN has %2. Use a chip of at least %3.</source>
        <translation>芯片容量不足：芯片容量为 %1，BIN 为 %2。请使用至少 %3 的芯片。</translation>
    </message>
    <message>
        <source>Verify failed: the flash does not hold the BIN (%1). Its content is now unknown. Check the connections and write again.</source>
        <translation>校验失败：闪存内容与 BIN 不符（%1）。闪存内容现已未知。请检查连接后重新写入。</translation>
    </message>
    <message>
        <source>Writing failed, and the chip still holds its old content. Check the connections, especially the write-protect pin, and write again.</source>
        <translation>写入失败，芯片仍保留原有内容。请检查连接，尤其是写保护引脚，然后重新写入。</translation>
    </message>
    <message>
        <source>Writing failed, and the chip&apos;s content is now unknown. Check the connections, especially the write-protect pin, and write again.</source>
        <translation>写入失败，芯片内容现已未知。请检查连接，尤其是写保护引脚，然后重新写入。</translation>
    </message>
    <message>
        <source>flashrom ended without verifying the write, so the flash may not hold the BIN. Write again.</source>
        <translation>flashrom 结束时未校验写入，闪存中可能不是该 BIN。请重新写入。</translation>
    </message>
    <message>
        <source>flashrom failed (exit status %1); its output above says why.</source>
        <translation>flashrom 失败（退出状态 %1），原因见上方输出。</translation>
    </message>
    <message>
        <source>The chip holds %1 bytes, the BIN %2: writing the BIN followed by 0xFF up to the chip&apos;s size.</source>
        <translation>芯片容量为 %1 字节，BIN 为 %2 字节：写入 BIN，其后用 0xFF 填满芯片容量。</translation>
    </message>
    <message>
        <source>The BIN cannot be filled up to the chip&apos;s size: no temporary folder (%1).</source>
        <translation>无法将 BIN 填充到芯片容量：没有临时文件夹（%1）。</translation>
    </message>
    <message>
        <source>The file %1 changed while it was being written. Write again.</source>
        <translation>文件 %1 在写入过程中被修改。请重新写入。</translation>
    </message>
    <message>
        <source>The BIN cannot be filled up to the chip&apos;s size in %1: %2.</source>
        <translation>无法在 %1 中将 BIN 填充到芯片容量：%2。</translation>
    </message>
    <message>
        <source>Looking for the programmer and the chip</source>
        <translation>正在查找编程器和芯片</translation>
    </message>
    <message>
        <source>Reading the chip</source>
        <translation>正在读取芯片</translation>
    </message>
    <message>
        <source>Erasing and writing</source>
        <translation>正在擦除并写入</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>校验通过</translation>
    </message>
    <message>
        <source>Equation No. :</source>
        <translation>方程号：</translation>
    </message>
    <message>
        <source>Flash :</source>
        <translation>闪存：</translation>
    </message>
    <message>
        <source>Sound Length</source>
        <translation>声音长度</translation>
    </message>
    <message>
        <source>Flash Used</source>
        <translation>闪存用量</translation>
    </message>
    <message>
        <source>%1 msec. total</source>
        <translation>共 %1 毫秒</translation>
    </message>
    <message>
        <source>%1 % flash used</source>
        <translation>已用闪存 %1 %</translation>
    </message>
    <message>
        <source>About KR615B DadezEvur V1.0</source>
        <translation>关于 KR615B DadezEvur V1.0</translation>
    </message>
    <message>
        <source>Release date : %1-%2-%3</source>
        <translation>发布日期：%1-%2-%3</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Wav/MP3/WMA</source>
        <translation>Wav/MP3/WMA</translation>
    </message>
    <message>
        <source>Sampling rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Bit</source>
        <translation>位数</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>MONO</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>SILENCE</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 Bit</source>
        <translation>%1 位</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>载入(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Empty</source>
        <translation>清空(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Play as &amp;Chip</source>
        <translation>按芯片音质播放(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>WAV / MP3 / WMA</source>
        <translation>WAV / MP3 / WMA</translation>
    </message>
    <message>
        <source>&amp;10ms</source>
        <translation>10 毫秒(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;20ms</source>
        <translation>20 毫秒(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;50ms</source>
        <translation>50 毫秒(&amp;5)</translation>
    </message>
    <message>
        <source>100ms</source>
        <translation>100 毫秒</translation>
    </message>
    <message>
        <source>200ms</source>
        <translation>200 毫秒</translation>
    </message>
    <message>
        <source>300ms</source>
        <translation>300 毫秒</translation>
    </message>
    <message>
        <source>&amp;User Defined Silence</source>
        <translation>自定义静音(&amp;U)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Confirm ?</source>
        <translation>确认？</translation>
    </message>
    <message>
        <source>Confirm Delete ?</source>
        <translation>确认删除？</translation>
    </message>
    <message>
        <source>Add Silence</source>
        <translation>添加静音</translation>
    </message>
    <message>
        <source>Input a silence time</source>
        <translation>输入静音时长</translation>
    </message>
    <message>
        <source>Out of range! (1 - 10)</source>
        <translation>超出范围！(1 - 10)</translation>
    </message>
    <message>
        <source>Out of range! (1 - 255)</source>
        <translation>超出范围！(1 - 255)</translation>
    </message>
    <message>
        <source>Playlist full!</source>
        <translation>播放列表已满！</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Sound Library</source>
        <translation>声音库</translation>
    </message>
    <message>
        <source>Choose Sampling Rate</source>
        <translation>选择采样率</translation>
    </message>
    <message>
        <source>Control Mode :</source>
        <translation>控制模式：</translation>
    </message>
    <message>
        <source>Sound Output</source>
        <translation>声音输出</translation>
    </message>
    <message>
        <source>Busy Mode :</source>
        <translation>忙信号电平：</translation>
    </message>
    <message>
        <source>External Mode</source>
        <translation>外部模式</translation>
    </message>
    <message>
        <source>Pull High Resistor</source>
        <translation>上拉电阻</translation>
    </message>
    <message>
        <source>BackGround Music</source>
        <translation>背景音乐</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>One Line Mode</source>
        <translation>一线模式</translation>
    </message>
    <message>
        <source>Three Line Mode</source>
        <translation>三线模式</translation>
    </message>
    <message>
        <source>MP3 Mode</source>
        <translation>MP3 模式</translation>
    </message>
    <message>
        <source>3 x 8 Matrix Mode</source>
        <translation>3 x 8 矩阵模式</translation>
    </message>
    <message>
        <source>Parallel port mode</source>
        <translation>并口模式</translation>
    </message>
    <message>
        <source>Extended Mode</source>
        <translation>扩展模式</translation>
    </message>
    <message>
        <source>Key Mode</source>
        <translation>按键模式</translation>
    </message>
    <message>
        <source>Pls select a key mode</source>
        <translation>请选择按键模式</translation>
    </message>
    <message>
        <source>Pls select a sound mode</source>
        <translation>请选择声音输出方式</translation>
    </message>
    <message>
        <source>Pls select a busy mode</source>
        <translation>请选择忙信号电平</translation>
    </message>
    <message>
        <source>Key Setup</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>Equation Setup</source>
        <translation>方程设置</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Input Range : 0 - 219</source>
        <translation>输入范围：0 - 219</translation>
    </message>
    <message>
        <source>No Function</source>
        <translation>无功能</translation>
    </message>
    <message>
        <source>Edge retrigger</source>
        <translation>边沿触发可重触发</translation>
    </message>
    <message>
        <source>Edge no retrigger</source>
        <translation>边沿触发不可重触发</translation>
    </message>
    <message>
        <source>level hold loop</source>
        <translation>电平保持循环</translation>
    </message>
    <message>
        <source>level loop</source>
        <translation>电平循环</translation>
    </message>
    <message>
        <source>level unloop</source>
        <translation>电平不循环</translation>
    </message>
    <message>
        <source>next loop</source>
        <translation>下一曲循环</translation>
    </message>
    <message>
        <source>next unloop</source>
        <translation>下一曲不循环</translation>
    </message>
    <message>
        <source>prev loop</source>
        <translation>上一曲循环</translation>
    </message>
    <message>
        <source>prev unloop</source>
        <translation>上一曲不循环</translation>
    </message>
    <message>
        <source>on/off</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>VOL +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Wrong operation</source>
        <translation>错误操作</translation>
    </message>
    <message>
        <source>Close Project</source>
        <translation>项目已关闭</translation>
    </message>
    <message>
        <source>Sound Library full!</source>
        <translation>声音库已满！</translation>
    </message>
    <message>
        <source>Try add fewer files!</source>
        <translation>请少选一些文件！</translation>
    </message>
    <message>
        <source>Sound file loaded already!</source>
        <translation>声音文件已载入！</translation>
    </message>
    <message>
        <source>Incompatible sampling rate, pls change it in main menu before loading into the project!</source>
        <translation>采样率不兼容，请先在主菜单中转换后再载入项目！</translation>
    </message>
    <message>
        <source>Empty sound library</source>
        <translation>声音库已清空</translation>
    </message>
    <message>
        <source>Empty playlist</source>
        <translation>播放列表已清空</translation>
    </message>
    <message>
        <source>Full, cannot insert more!</source>
        <translation>已满，不能再插入！</translation>
    </message>
    <message>
        <source>Full, cannot Insert More!</source>
        <translation>已满，不能再插入！</translation>
    </message>
    <message>
        <source>Pls select a sound to play</source>
        <translation>请选择要播放的声音</translation>
    </message>
    <message>
        <source>Cannot save to the source file!</source>
        <translation>不能保存到源文件！</translation>
    </message>
    <message>
        <source>MP3/WMA to WAV Convert OK!</source>
        <translation>MP3/WMA 转换为 WAV 成功！</translation>
    </message>
    <message>
        <source>BIN File Saved!</source>
        <translation>BIN 文件已保存！</translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation>大小：%1 字节</translation>
    </message>
    <message>
        <source>Bin File don't fit in flash! Pls select %1M flash</source>
        <translation>BIN 文件超出闪存容量！请选择 %1M 闪存</translation>
    </message>
    <message>
        <source>Bin File don't dit in flash</source>
        <translation>BIN 文件超出闪存容量</translation>
    </message>
    <message>
        <source>Pls load a external bin file!</source>
        <translation>请载入外部 BIN 文件！</translation>
    </message>
    <message>
        <source>External bin too small!</source>
        <translation>外部 BIN 文件太小！</translation>
    </message>
    <message>
        <source>Load ChimeConverter Library Fail!</source>
        <translation>载入语音转换库失败！</translation>
    </message>
    <message>
        <source>Fail!</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>Equation %1 is too long for its slot and was cut</source>
        <translation>方程 %1 超出其存储区长度，已被截断</translation>
    </message>
    <message>
        <source>The project could not be saved. Leave it anyway and lose the changes since it was last saved?</source>
        <translation>项目无法保存。仍然离开并放弃上次保存以来的更改吗？</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1M</translation>
    </message>
    <message>
        <source>Size %1/%2</source>
        <translation>大小 %1/%2</translation>
    </message>
    <message>
        <source>The help could not be shown: no program here opens it. Open %1 in a web browser.</source>
        <translation>无法显示帮助：没有能打开它的程序。请用网页浏览器打开 %1。</translation>
    </message>
    <message>
        <source>%1 is not a PCM WAV file. Convert it with &quot;Convert MP3/WMA to WAV&quot; first.</source>
        <translation>%1 不是 PCM WAV 文件。请先用“MP3/WMA 转换为 WAV”转换。</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 已存在。</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>要替换它吗？</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Cannot convert %1: %2</source>
        <translation>无法转换 %1：%2</translation>
    </message>
    <message>
        <source>Cannot decode %1: %2</source>
        <translation>无法解码 %1：%2</translation>
    </message>
    <message>
        <source>Cannot examine %1: %2</source>
        <translation>无法检查 %1：%2</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>无法列出 %1：%2</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>无法将 %1 复制到 %2：%3</translation>
    </message>
    <message>
        <source>Cannot resample: %1</source>
        <translation>无法重采样：%1</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder: %1</source>
        <translation>无法创建临时文件夹：%1</translation>
    </message>
    <message>
        <source>Cannot start %1.</source>
        <translation>无法启动 %1。</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>找不到 %1</translation>
    </message>
    <message>
        <source>%1 is not a readable project file: %2.</source>
        <translation>%1 不是可读的项目文件：%2。</translation>
    </message>
    <message>
        <source>the file ends inside %1 at byte %2</source>
        <translation>文件在第 %2 字节处的%1中途结束</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>字符串</translation>
    </message>
    <message>
        <source>a wide string</source>
        <translation>宽字符串</translation>
    </message>
    <message>
        <source>a class name</source>
        <translation>类名</translation>
    </message>
    <message>
        <source>no object header at byte %1</source>
        <translation>第 %1 字节处没有对象头</translation>
    </message>
    <message>
        <source>expected a %1 record at byte %2, found &quot;%3&quot;</source>
        <translation>第 %2 字节处应为 %1 记录，实际为“%3”</translation>
    </message>
    <message>
        <source>the %1 record has schema %2, not 1</source>
        <translation>%1 记录的版本为 %2，而不是 1</translation>
    </message>
    <message>
        <source>unknown (%1)</source>
        <translation>未知 (%1)</translation>
    </message>
    <message>
        <source>Choose another file to save to: %1 is the file being converted.</source>
        <translation>请选择另一个保存文件：%1 正是要转换的文件。</translation>
    </message>
    <message>
        <source>The library sound %1 names no file inside the sound folder, so it cannot be compiled. Delete it and load the sound again. No BIN was completed.</source>
        <translation>声音库中的声音 %1 不指向声音文件夹中的文件，因此无法编译。请删除它并重新加载该声音。BIN 文件未完成。</translation>
    </message>
    <message>
        <source>%1 names no file inside the sound folder, so no file was deleted for it.</source>
        <translation>%1 不指向声音文件夹中的文件，因此没有为它删除文件。</translation>
    </message>
    <message>
        <source>%1 name no file inside the sound folder, so no file was deleted for them.</source>
        <translation>%1 不指向声音文件夹中的文件，因此没有为它们删除文件。</translation>
    </message>
    <message>
        <source>The converted silence %1 is %2 bytes long instead of %3: check %4. No BIN was completed.</source>
        <translation>转换后的静音 %1 长 %2 字节，而不是 %3：请检查 %4。未生成 BIN。</translation>
    </message>
    <message>
        <source>%1 is shorter than %2 bytes: it is not a code block file. No BIN was completed.</source>
        <translation>%1 短于 %2 字节：它不是代码块文件。未生成 BIN。</translation>
    </message>
    <message>
        <source>Unknown flash size: %1 megabits</source>
        <translation>未知的闪存容量：%1 兆位</translation>
    </message>
    <message>
        <source>The compile failed: %1</source>
        <translation>编译失败：%1</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>其中没有声音</translation>
    </message>
    <message>
        <source>no decoder for its sound format</source>
        <translation>没有适用于其声音格式的解码器</translation>
    </message>
    <message>
        <source>its sampling rate or channel count is unknown</source>
        <translation>其采样率或声道数未知</translation>
    </message>
    <message>
        <source>a negative rate or channel count was asked for</source>
        <translation>请求了负的采样率或声道数</translation>
    </message>
    <message>
        <source>the sampling rate %1 Hz is not valid</source>
        <translation>采样率 %1 Hz 无效</translation>
    </message>
    <message>
        <source>the sound is too long for a WAV file</source>
        <translation>声音太长，无法存为 WAV 文件</translation>
    </message>
    <message>
        <source>no sampling rate or channels given</source>
        <translation>未给出采样率或声道数</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>声音太长</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>the voice converter did not run</source>
        <translation>语音转换器未运行</translation>
    </message>
    <message>
        <source>the voice data could not be written</source>
        <translation>无法写入语音数据</translation>
    </message>
    <message>
        <source>not a WAV file</source>
        <translation>不是 WAV 文件</translation>
    </message>
    <message>
        <source>the format chunk is too short</source>
        <translation>格式块太短</translation>
    </message>
    <message>
        <source>the extensible format chunk is too short</source>
        <translation>扩展格式块太短</translation>
    </message>
    <message>
        <source>the samples are not integer PCM</source>
        <translation>采样不是整数 PCM</translation>
    </message>
    <message>
        <source>the file has no channels</source>
        <translation>文件没有声道</translation>
    </message>
    <message>
        <source>the sampling rate is 0</source>
        <translation>采样率为 0</translation>
    </message>
    <message>
        <source>the bits per sample are not 8, 16, 24 or 32</source>
        <translation>采样位数不是 8、16、24 或 32</translation>
    </message>
    <message>
        <source>the block alignment does not match the channels and bits</source>
        <translation>块对齐与声道数和位数不符</translation>
    </message>
    <message>
        <source>the format chunk is cut short</source>
        <translation>格式块不完整</translation>
    </message>
    <message>
        <source>the data chunk comes before the format chunk</source>
        <translation>数据块位于格式块之前</translation>
    </message>
    <message>
        <source>the file has no data chunk</source>
        <translation>文件没有数据块</translation>
    </message>
    <message>
        <source>the file has no format chunk</source>
        <translation>文件没有格式块</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个目录</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>file to open is a directory</source>
        <translation>要打开的文件是一个目录</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>处理输入时发现无效数据</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效的参数</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>10ms</source>
        <translation>10 毫秒</translation>
    </message>
    <message>
        <source>Prepare Sounds...</source>
        <translation>准备声音...</translation>
    </message>
    <message>
        <source>Spoken Prompts...</source>
        <translation>语音提示...</translation>
    </message>
    <message>
        <source>Export Firmware Header...</source>
        <translation>导出固件头文件...</translation>
    </message>
    <message>
        <source>Prepare Sounds</source>
        <translation>准备声音</translation>
    </message>
    <message>
        <source>Spoken Prompts</source>
        <translation>语音提示</translation>
    </message>
    <message>
        <source>Sound files to prepare (any format):</source>
        <translation>要准备的声音文件（任意格式）：</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Trim leading and trailing silence</source>
        <translation>裁掉开头和结尾的静音</translation>
    </message>
    <message>
        <source>Level the loudness to</source>
        <translation>响度统一为</translation>
    </message>
    <message>
        <source>Sampling rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Load into the sound library</source>
        <translation>载入声音库</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Add Row</source>
        <translation>添加行</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>Open List File...</source>
        <translation>打开列表文件...</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>语音：</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Choose the folder for the prepared sounds.</source>
        <translation>请选择存放准备好的声音的文件夹。</translation>
    </message>
    <message>
        <source>Add the sound files to prepare.</source>
        <translation>请添加要准备的声音文件。</translation>
    </message>
    <message>
        <source>Add a name and a text for each prompt.</source>
        <translation>请为每个提示填写名称和文本。</translation>
    </message>
    <message>
        <source>Firmware header written.</source>
        <translation>固件头文件已写入。</translation>
    </message>
    <message>
        <source>Cannot prepare %1: %2</source>
        <translation>无法准备 %1：%2</translation>
    </message>
    <message>
        <source>Cannot prepare the sound: %1</source>
        <translation>无法准备声音：%1</translation>
    </message>
    <message>
        <source>it is not a sound file that can be read (%1)</source>
        <translation>它不是可读取的声音文件（%1）</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>它是文件夹，不是普通文件</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>它是命名管道（FIFO），不是普通文件</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>它是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>它是设备，不是普通文件</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>expected NAME, a tab and the text</source>
        <translation>应为名称、一个制表符和文本</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>名称为空</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; holds a control character</source>
        <translation>名称“%1”含有控制字符</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; is not a plain file name</source>
        <translation>名称“%1”不是单纯的文件名</translation>
    </message>
    <message>
        <source>the prompt &apos;%1&apos; has no text</source>
        <translation>提示“%1”没有文本</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; is used twice</source>
        <translation>名称“%1”用了两次</translation>
    </message>
    <message>
        <source>it has no sampling rate</source>
        <translation>它没有采样率</translation>
    </message>
    <message>
        <source>it must be mono</source>
        <translation>它必须是单声道</translation>
    </message>
    <message>
        <source>it holds only silence</source>
        <translation>其中只有静音</translation>
    </message>
    <message>
        <source>End of file</source>
        <translation>文件结束</translation>
    </message>
    <message>
        <source>%1 is open in another window (process %2). Close it there, or wait until that command has finished, then try again.</source>
        <translation>%1 已在另一个窗口中打开（进程 %2）。请在那里关闭它，或等待该命令结束，然后再试。</translation>
    </message>
    <message>
        <source>%1 is open in another window. Close it there, or wait until that command has finished, then try again.</source>
        <translation>%1 已在另一个窗口中打开。请在那里关闭它，或等待该命令结束，然后再试。</translation>
    </message>
    <message>
        <source>Choose another file: %1 is the project file.</source>
        <translation>请选择另一个文件：%1 是项目文件。</translation>
    </message>
    <message>
        <source>Two files would both be prepared as %1; nothing was written.</source>
        <translation>两个文件都会被准备为 %1；未写入任何文件。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>There is no voice '%1'</source>
        <translation>没有语音“%1”</translation>
    </message>
    <message>
        <source>%1: There is no voice '%2'</source>
        <translation>%1：没有语音“%2”</translation>
    </message>
</context>
</TS>
