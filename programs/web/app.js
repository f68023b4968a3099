// The page's behaviour: the four tabs (校验, 生成, 批量, 脱敏) over the idnumber
// package in ./idnumber/. Verification of one number and generation run
// here; a batch runs in batch-worker.js, a redaction in redact-worker.js.
// Nothing is sent anywhere: the page loads only its own files, and results
// leave the browser only as the downloads the user asks for.
import { INPUT_HELD_BYTES, generate, history, kind, pickerList, regionRecord, verify } from './idnumber/index.js';
import {
    crLineEndsText, crNoticeText, csvHeadRows, encodingLabels, HEAD_BYTES, headCrFacts, isolatedText, reasonLabels,
    shownParts, useSizesOf,
} from './batch.js';

useSizesOf({ INPUT_HELD_BYTES });

const $ = (id) => document.getElementById(id);

// ---- Tabs (arrow keys move between them, as the ARIA pattern has it) ----------

const tabs = [...document.querySelectorAll('[role="tab"]')];
function selectTab(tab) {
    for (const other of tabs) {
        const selected = other === tab;
        other.setAttribute('aria-selected', String(selected));
        other.tabIndex = selected ? 0 : -1;
        $(other.getAttribute('aria-controls')).hidden = !selected;
    }
    tab.focus();
}
for (const tab of tabs) {
    tab.addEventListener('click', () => selectTab(tab));
    tab.addEventListener('keydown', (event) => {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (step === undefined) return;
        selectTab(tabs[(tabs.indexOf(tab) + step + tabs.length) % tabs.length]);
        event.preventDefault();
    });
}

function showMessage(element, text, warning = false) {
    element.textContent = text;
    element.classList.toggle('warning', warning);
    element.hidden = text === '';
}

// ---- 校验 --------------------------------------------------------------------------

const kindLabels = {
    resident: '居民身份证',
    hmt_permit: '港澳台居民居住证',
    foreigner_card: '外国人永久居留身份证',
};
const statusLabels = {
    2009: '2009年区划表中的县级代码',
    in_use: '现行代码（2009年表中没有）',
    abolished: '已撤销的代码',
    unknown: '区划沿革中没有此代码',
};

function cell(row, text) {
    const td = row.insertCell();
    td.textContent = text;
    return td;
}

$('verify-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const record = verify($('number').value);
    if (!record.valid) {
        $('verify-result').hidden = true;
        showMessage($('verify-message'), record.message);
        return;
    }
    showMessage($('verify-message'), '');
    $('out-province').textContent = record.province;
    $('out-city').textContent = record.city;
    $('out-county').textContent = record.county;
    const date = record.birth_date;
    $('out-birth').textContent = `${date.slice(0, 4)}年${date.slice(4, 6)}月${date.slice(6, 8)}日`;
    $('out-sex').textContent = record.sex;
    $('out-kind').textContent = kindLabels[kind(record.input)] ?? '';
    $('out-status').textContent = statusLabels[record.code_status];
    $('out-at-birth').textContent = record.in_use_at_birth
        ? '出生那年该代码在用' : '出生那年该代码未在用（补登记者常见，仅供参考）';
    const body = $('out-history').tBodies[0];
    body.replaceChildren();
    for (const entry of record.history) {
        const row = body.insertRow();
        for (const value of [entry.name, entry.province, entry.prefecture, entry.from, entry.until ?? '至今']) cell(row, value);
    }
    $('out-history').hidden = record.history.length === 0;
    const named = (list) => list.map((item) => `${item.name}（${item.code}）`).join('、');
    $('out-successors').textContent = record.successors.length
        ? `撤销后由：${record.successors.map((s) => `${s.name}（${s.code}，${s.status === 'in_use' ? '在用' : '已撤销'}）`).join('、')}接替` : '';
    $('out-now').textContent = record.now.length ? `现在使用的代码：${named(record.now)}` : '';
    $('verify-result').hidden = false;
});

// ---- 生成 --------------------------------------------------------------------------

const nameOf = (code) => regionRecord(code).name;

function fillList(select, codes) {
    select.replaceChildren(...(codes ?? []).map((code) => new Option(nameOf(code), String(code))));
    select.disabled = select.options.length === 0;
}

// The dialog's cascade: a list's choice fills the lists below it.
function onMunicipality() { fillList($('district'), pickerList(Number($('municipality').value))); }
function onProvince() {
    fillList($('city'), pickerList(Number($('province').value)));
    onCity();
}
function onCity() { fillList($('county'), $('city').value ? pickerList(Number($('city').value)) : []); }

fillList($('municipality'), pickerList('municipalities'));
fillList($('province'), pickerList('provinces'));
onMunicipality();
onProvince();
$('municipality').addEventListener('change', () => { $('mode-municipality').checked = true; onMunicipality(); });
$('district').addEventListener('change', () => { $('mode-municipality').checked = true; });
$('province').addEventListener('change', () => { $('mode-province').checked = true; onProvince(); });
$('city').addEventListener('change', () => { $('mode-province').checked = true; onCity(); });
$('county').addEventListener('change', () => { $('mode-province').checked = true; });
for (const id of ['birth', 'born-from', 'born-to']) {
    $(id).addEventListener('input', () => { $(id === 'birth' ? 'birth-one' : 'birth-range').checked = true; });
}

// Chinese messages for the refusals a person meets here; idtool's own
// (English) message otherwise.
const generateMessages = {
    IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS: '出生日期应为8位数字，如19870102',
    IDN_ERROR_BIRTH_BEYOND_LIMITS: '出生日期不正确：年份不能晚于今年，月不大于12，日不大于31',
    IDN_ERROR_RANGE_NOT_DATE: '日期范围的两端都应是真实的日期（8位数字，如19800101）',
    IDN_ERROR_RANGE_YEAR_AFTER_LIMIT: '日期范围不能晚于今年',
    IDN_ERROR_RANGE_REVERSED: '起始日期晚于截止日期',
    IDN_ERROR_COUNT_RANGE: '数量至少为1',
    IDN_ERROR_COUNT_EXCEEDS_CANDIDATES: '数量超过了该地区和日期所能生成的不同号码数',
};

let generatedNumbers = [];
$('generate-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const municipal = $('mode-municipality').checked;
    const region = municipal ? $('district').value : $('county').value;
    const count = Number($('count').value || '1');
    const seed = $('seed').value.trim();
    const options = { region: region === '' ? '' : Number(region), sex: $('sex').value };
    if ($('birth-one').checked) options.birth = $('birth').value.trim();
    else options.bornBetween = [$('born-from').value.trim(), $('born-to').value.trim()];
    let warning = '';
    try {
        if (region === '') throw new RangeError('请选择区（县）或县');
        if (!Number.isInteger(count) || count < 1 || count > 100000) throw new RangeError('数量应为1到100000之间的整数');
        if (seed !== '' && !/^[0-9]{1,20}$/.test(seed)) throw new RangeError('种子应为不超过20位的非负整数');
        options.count = count;
        if (seed !== '') options.seed = seed;
        options.onWarning = () => { warning = '注意：该出生日期不是日历上的真实日期（如0231），号码照样生成'; };
        generatedNumbers = generate(options);
    } catch (error) {
        generatedNumbers = [];
        $('generated').value = '';
        showMessage($('generate-message'), generateMessages[error.code] ?? error.message);
        $('copy-button').disabled = $('download-generated').disabled = true;
        return;
    }
    showMessage($('generate-message'), warning, true);
    $('generated').value = generatedNumbers.join('\n');
    $('copy-button').disabled = $('download-generated').disabled = false;
    $('copy-status').textContent = `已生成${generatedNumbers.length}个号码`;
});

$('copy-button').addEventListener('click', async () => {
    try {
        await navigator.clipboard.writeText(generatedNumbers.join('\n'));
        $('copy-status').textContent = `已复制${generatedNumbers.length}个号码`;
    } catch {
        // No clipboard permission (an insecure origin, say): select the text
        // for Ctrl+C instead.
        $('generated').select();
        $('copy-status').textContent = '无法直接复制，已选中号码，请按Ctrl+C';
    }
});

// Offers a text or Blob as a download.
function download(name, data, type) {
    const url = URL.createObjectURL(data instanceof Blob ? data : new Blob([data], { type }));
    const link = Object.assign(document.createElement('a'), { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

$('download-generated').addEventListener('click', () => {
    download('身份证号码.txt', generatedNumbers.join('\r\n') + '\r\n', 'text/plain;charset=utf-8');
});

// ---- 批量 --------------------------------------------------------------------------

let chosenFile = null;
// The user's choice for a file whose lines end in CR alone: read a CR as a
// line end too (idtool reads such a file as one line).
let crLineEnds = false;
// What the page knows of the chosen file's CRs that idtool takes as part of
// a line (batch.js's headCrFacts): from its first bytes, then from the batch.
let crFacts = null;
let batchCsv = null;
// What the worker sent for the table: {total, first, refused}, the first
// rows and the first refused rows (records with their line number).
let batchPreview = null;
const PREVIEW_ROWS = 500;

// A line's text as shown: set apart from what is around it, with the
// characters that show as nothing or reorder text (U+202E...) as escapes.
function showText(element, text) {
    const bdi = document.createElement('bdi');
    bdi.dir = 'ltr';
    shownParts(text).forEach((part, i) => {
        if (i % 2 === 0) {
            if (part !== '') bdi.append(part);
        } else {
            const escape = document.createElement('span');
            escape.className = 'escape';
            escape.textContent = part;
            bdi.append(escape);
        }
    });
    element.replaceChildren(bdi);
}

// A chosen file is read here only by its first bytes: the column names of
// a CSV, and the CRs that idtool takes as part of a line. The worker reads
// the rest.
async function takeFile(file) {
    if (file !== chosenFile) {
        crLineEnds = false;
        crFacts = null;
    }
    chosenFile = file;
    const head = new Uint8Array(await file.slice(0, HEAD_BYTES).arrayBuffer());
    if (file !== chosenFile) return;
    const isCsv = /\.csv$/i.test(file.name) || file.type === 'text/csv';
    $('column-choice').hidden = !isCsv;
    if (isCsv) fillColumns(head, file.size <= HEAD_BYTES);
    const name = document.createElement('span');
    showText(name, file.name);
    $('file-status').replaceChildren('已选择文件：', name, `（${file.size}字节）`);
    crFacts = headCrFacts(head, { csv: isCsv, whole: file.size <= HEAD_BYTES });
    showCrNotice();
}

// The first rows name the columns; a column of 17 digits and X is chosen
// when one looks like numbers.
function fillColumns(head, whole) {
    const rows = csvHeadRows(head, $('encoding').value, { crLineEnds, whole });
    const header = rows[0] ?? [];
    $('column').replaceChildren(...header.map((name, i) => new Option(`第${i + 1}列：${isolatedText(name)}`, String(i))));
    const guess = header.findIndex((_, i) => rows.slice(1).some((row) => /^[0-9]{17}[0-9Xx]$/.test((row[i] ?? '').trim())));
    if (guess >= 0) $('column').value = String(guess);
}

// A CR that idtool takes as part of a line: the page says where, and what
// idtool makes of it (a file whose lines end in CR alone is one line), and
// offers to read a CR as a line end.
function showCrNotice() {
    const text = crLineEnds ? crLineEndsText : crNoticeText(crFacts);
    $('cr-notice').hidden = text === null;
    $('cr-notice-text').textContent = text ?? '';
    $('cr-lines-button').textContent = crLineEnds ? '改回idtool的读法' : '把CR当作行尾，每行分别校验';
}

$('cr-lines-button').addEventListener('click', async () => {
    crLineEnds = !crLineEnds;
    showCrNotice();
    if (chosenFile && !$('column-choice').hidden) {
        const head = new Uint8Array(await chosenFile.slice(0, HEAD_BYTES).arrayBuffer());
        fillColumns(head, chosenFile.size <= HEAD_BYTES);
    }
    runBatch();
});

$('batch-file').addEventListener('change', () => {
    if ($('batch-file').files.length) takeFile($('batch-file').files[0]);
});
$('encoding').addEventListener('change', () => { if (chosenFile) takeFile(chosenFile); });
const zone = $('drop-zone');
zone.addEventListener('dragover', (event) => { event.preventDefault(); zone.classList.add('over'); });
zone.addEventListener('dragleave', () => zone.classList.remove('over'));
zone.addEventListener('drop', (event) => {
    event.preventDefault();
    zone.classList.remove('over');
    if (event.dataTransfer.files.length) takeFile(event.dataTransfer.files[0]);
});
$('batch-text').addEventListener('input', () => {
    // Pasted text takes over from a chosen file.
    chosenFile = null;
    crLineEnds = false;
    crFacts = null;
    $('batch-file').value = '';
    $('column-choice').hidden = true;
    $('cr-notice').hidden = true;
    $('file-status').textContent = '';
});

let worker = null;
function runBatch() {
    if (worker) worker.terminate();
    worker = new Worker(new URL('./batch-worker.js', import.meta.url), { type: 'module' });
    const started = performance.now();
    $('batch-button').disabled = true;
    $('download-csv').disabled = true;
    $('batch-progress').value = 0;
    $('batch-status').textContent = '正在校验……';
    showMessage($('batch-message'), '', true);
    const fromFile = chosenFile !== null;
    const batchFile = chosenFile;
    const isCsv = fromFile && !$('column-choice').hidden;
    worker.onmessage = (event) => {
        const data = event.data;
        if (data.progress !== undefined) {
            $('batch-progress').value = data.total ? data.progress / data.total : 1;
            $('batch-status').textContent = fromFile
                ? `已读 ${Math.floor(100 * data.progress / (data.total || 1))}%，已校验 ${data.lines} 行`
                : `已校验 ${data.progress} / ${data.total} 行`;
            return;
        }
        $('batch-button').disabled = false;
        worker.terminate();
        worker = null;
        if (data.error !== undefined) {
            $('batch-status').textContent = `无法校验：${data.error}`;
            return;
        }
        $('batch-progress').value = 1;
        batchPreview = data.done;
        batchCsv = data.csv;
        const seconds = ((performance.now() - started) / 1000).toFixed(2);
        $('batch-status').textContent = `完成：共 ${batchPreview.total} 行，通过 ${data.counts.valid} 行，用时 ${seconds} 秒`
            + (data.encoding ? `（文件编码：${encodingLabels[data.encoding]}）` : '');
        $('batch-status').dataset.seconds = seconds;
        if (data.unterminatedLine > 0) {
            showMessage($('batch-message'), `第${data.unterminatedLine}行开始的带引号的字段到文件末尾也没有结束：`
                + '这一行没有校验（idtool在这里报错停止）。', true);
        }
        // The whole file's CRs, read as idtool reads them.
        if (data.cr !== null && !crLineEnds && chosenFile === batchFile) {
            crFacts = data.cr;
            showCrNotice();
        }
        showCounts(data.counts);
        showTable();
        $('download-csv').disabled = false;
    };
    if (chosenFile) {
        worker.postMessage({
            file: chosenFile, encoding: $('encoding').value, crLineEnds,
            csv: isCsv ? { column: Number($('column').value || 0), headerRow: $('header-row').checked } : null,
        });
    } else {
        worker.postMessage({ text: $('batch-text').value });
    }
}
$('batch-button').addEventListener('click', runBatch);

function showCounts(counts) {
    const body = $('batch-counts').tBodies[0];
    body.replaceChildren();
    for (const [reason, count] of Object.entries(counts)) {
        // Rows without the column are a CSV's, and counted only when there are any.
        if (reason === 'no_column' && count === 0) continue;
        const row = body.insertRow();
        row.dataset.reason = reason;
        cell(row, reasonLabels[reason]);
        cell(row, String(count));
    }
    $('batch-counts').hidden = false;
}

function showTable() {
    const onlyInvalid = $('only-invalid').checked;
    const body = $('batch-table').tBodies[0];
    const rows = [];
    for (const record of onlyInvalid ? batchPreview.refused : batchPreview.first) {
        const row = document.createElement('tr');
        if (!record.valid) row.className = 'refused';
        cell(row, String(record.line));
        showText(cell(row, ''), record.input);
        row.lastChild.className = 'num';
        if (record.reason === 'no_column') {
            cell(row, reasonLabels.no_column);
            for (let i = 0; i < 4; ++i) cell(row, '');
        } else {
            cell(row, record.valid ? '通过' : '未通过');
            cell(row, record.valid ? '' : `${reasonLabels[record.reason]}：${record.message}`);
            cell(row, record.valid ? [record.province, record.city, record.county].filter(Boolean).join(' ') : '');
            cell(row, record.birth_date ?? '');
            cell(row, record.sex ?? '');
        }
        rows.push(row);
    }
    body.replaceChildren(...rows);
    const shown = onlyInvalid ? '未通过的' : '';
    $('batch-caption').textContent = rows.length === PREVIEW_ROWS
        ? `校验结果（只显示前${PREVIEW_ROWS}行${shown}，全部结果请下载CSV）` : `校验结果（${shown}共${rows.length}行）`;
    $('batch-table').hidden = false;
}
$('only-invalid').addEventListener('change', () => { if (batchPreview) showTable(); });

$('download-csv').addEventListener('click', () => download('校验结果.csv', batchCsv, 'text/csv;charset=utf-8'));

// ---- 脱敏 --------------------------------------------------------------------------
//
// The text or file goes to redact-worker.js, which reads a file in pieces
// and sends back the counts, the first matches for the highlights and the
// redacted bytes as a Blob, offered as the download. The key, typed or read
// from a file, goes only to the worker, and is kept nowhere.

const confidenceLabels = { high: '高（有关键词）', medium: '中（有效号码）', low: '低（疑似输错）' };
let redactFile = null;
let redactBlob = null;
let redactWorker = null;

function redactWay() {
    return document.querySelector('input[name="redact-way"]:checked').value;
}
function showWayOptions() {
    const way = redactWay();
    $('mask-options').hidden = way !== 'mask';
    $('label-options').hidden = way !== 'label';
    $('key-options').hidden = way !== 'token' && way !== 'pseudonym';
    $('token-options').hidden = way !== 'token';
    $('pseudonym-options').hidden = way !== 'pseudonym';
}
for (const radio of document.querySelectorAll('input[name="redact-way"]')) radio.addEventListener('change', showWayOptions);

function takeRedactFile(file) {
    redactFile = file;
    $('redact-file-status').textContent = `已选文件：${file.name}（${file.size} 字节）；开始脱敏时处理此文件`;
}
$('redact-file').addEventListener('change', () => {
    if ($('redact-file').files.length) takeRedactFile($('redact-file').files[0]);
});
const redactZone = $('redact-drop');
redactZone.addEventListener('dragover', (event) => { event.preventDefault(); redactZone.classList.add('over'); });
redactZone.addEventListener('dragleave', () => redactZone.classList.remove('over'));
redactZone.addEventListener('drop', (event) => {
    event.preventDefault();
    redactZone.classList.remove('over');
    if (event.dataTransfer.files.length) takeRedactFile(event.dataTransfer.files[0]);
});
// Typing in the text field means the text, not a file chosen before.
$('redact-text').addEventListener('input', () => {
    redactFile = null;
    $('redact-file').value = '';
    $('redact-file-status').textContent = '';
});

// The key's bytes: a key file's as they are, else the typed text's UTF-8.
async function redactKey() {
    const keyFile = $('redact-key-file').files[0];
    if (keyFile) return new Uint8Array(await keyFile.arrayBuffer());
    return new TextEncoder().encode($('redact-key').value);
}

async function redactOptions() {
    const way = redactWay();
    const options = { way, minConfidence: $('redact-confidence').value, fifteenDigits: $('redact-fifteen').checked };
    if (way === 'mask') {
        options.first = Number($('redact-first').value);
        options.last = Number($('redact-last').value);
    } else if (way === 'label') {
        options.label = $('redact-label').value;
    } else {
        options.key = await redactKey();
        if (way === 'token') {
            options.alphabet = $('redact-alphabet').value;
            options.length = Number($('redact-length').value);
        } else {
            options.keep = [['keep-region', 'region'], ['keep-year', 'birthYear'], ['keep-sex', 'sex']]
                .filter(([id]) => $(id).checked).map(([, word]) => word);
        }
    }
    return options;
}

function showRedactCounts(summary) {
    const body = $('redact-counts').tBodies[0];
    body.replaceChildren();
    for (const [name, label] of Object.entries(confidenceLabels)) {
        const count = summary.byConfidence[name];
        if (count === 0 && name === 'low' && $('redact-confidence').value !== 'low') continue;
        const row = body.insertRow();
        cell(row, label);
        cell(row, String(count));
    }
    const row = body.insertRow();
    cell(row, '合计');
    cell(row, String(summary.matches));
    $('redact-counts').hidden = false;
}

function showRedactPreview({ preview, whole, shown, summary }) {
    const area = $('redact-preview');
    area.replaceChildren();
    for (const segment of preview) {
        if (typeof segment === 'string') {
            area.append(segment);
            continue;
        }
        const [text, confidence] = segment;
        const mark = document.createElement('mark');
        mark.className = confidence;
        mark.title = `置信度：${confidenceLabels[confidence]}`;
        mark.textContent = text;
        area.append(mark);
    }
    area.hidden = false;
    const note = $('redact-preview-note');
    note.textContent = whole && shown === summary.matches
        ? '下面标出了找到的号码（颜色表示置信度）。'
        : `文件较大：下面只显示开头部分，标出其中 ${shown} 个号码；上表为全部 ${summary.matches} 个号码的计数。`;
    note.hidden = false;
}

$('redact-button').addEventListener('click', async () => {
    const message = $('redact-message');
    showMessage(message, '');
    $('redact-download').disabled = true;
    redactBlob = null;
    const text = $('redact-text').value;
    if (redactFile === null && text === '') {
        showMessage(message, '请先粘贴文本或选择文件', true);
        return;
    }
    const options = await redactOptions();
    if (options.key !== undefined && options.key.length < 16) {
        showMessage(message, `密钥至少需要16字节，现在只有 ${options.key.length} 字节`, true);
        return;
    }
    redactWorker?.terminate();
    redactWorker = new Worker('redact-worker.js', { type: 'module' });
    const started = performance.now();
    $('redact-status').textContent = '正在脱敏…';
    $('redact-progress').value = 0;
    const job = { encoding: $('redact-encoding').value, options };
    redactWorker.postMessage(redactFile ? { ...job, file: redactFile } : { ...job, text });
    const name = redactFile ? redactFile.name.replace(/(\.[^.]*)?$/, '.脱敏$1') : '脱敏结果.txt';
    redactWorker.onmessage = ({ data }) => {
        if (data.progress !== undefined) {
            $('redact-progress').value = data.total === 0 ? 1 : data.progress / data.total;
            return;
        }
        redactWorker.terminate();
        redactWorker = null;
        if (data.error !== undefined) {
            $('redact-status').textContent = '';
            showMessage(message, `无法脱敏：${data.error}`, true);
            return;
        }
        redactBlob = { blob: data.blob, name };
        $('redact-progress').value = 1;
        const seconds = (performance.now() - started) / 1000;
        $('redact-status').dataset.seconds = String(seconds);
        $('redact-status').textContent = `完成：替换了 ${data.done.summary.matches} 个号码，用时 ${seconds.toFixed(1)} 秒`;
        showRedactCounts(data.done.summary);
        showRedactPreview(data.done);
        $('redact-download').disabled = false;
    };
});

$('redact-download').addEventListener('click', () => {
    if (redactBlob === null) return;
    const url = URL.createObjectURL(redactBlob.blob);
    const link = document.createElement('a');
    link.href = url;
    link.download = redactBlob.name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
});
